#include "DemoViewsHarness.h"
#include "Ui/Picture.h"
#include "engine/XML.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The demo's picture show, from the built data: every element finds its pictures.
TEST(DemoPictures, EveryPictureOfTheShowFindsItsLook)
{
    try {
        sDemoViews demo;
        cXML show("Ui/PictureShow.xml");
        TAG_LIST elements;
        ASSERT_EQ(show.get("picture", elements), 4u);
        std::vector<std::unique_ptr<cPicture>> pictures;
        for (iXML* element : elements) {
            pictures.push_back(std::make_unique<cPicture>(nullptr));
            pictures.back()->loadXML(element);
            EXPECT_NE(pictures.back()->getTexture(), nullptr);
        }
    } catch (const String& _error) {
        ADD_FAILURE() << _error;
    }
}

} // namespace
