#include "Ui/SelectProfile.h"
#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/StringManager.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// An English player of the built data reads the profile screens' own labels and question in
// English; that every picture of the screens loads is the shell walk's to see.
TEST(DemoProfileScreens, TheCodesLabelsReadInEnglish)
{
    cTempFolder home(true);
    setenv("FURROW_HOME", home.path().c_str(), 1);
    try {
        const char* data = std::getenv("FURROW_DATA");
        cFileManager files(data ? data : "Data", "pack");
        cResourceManager resources;
        cSettings settings;
        cStringManager strings;
        EXPECT_EQ(strings.getString(cSelectProfile::LABEL_EXISTING), u"OK");
        EXPECT_EQ(strings.getString(cSelectProfile::LABEL_NEW), u"New");
        EXPECT_EQ(strings.getString(cSelectProfile::DELETE_QUESTION), u"Do you really want\nto delete this profile?");
    } catch (const String& _error) {
        ADD_FAILURE() << _error;
    }
    unsetenv("FURROW_HOME");
}

} // namespace
