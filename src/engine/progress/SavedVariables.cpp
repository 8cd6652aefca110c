#include "engine/progress/SavedVariables.h"

#include "engine/files/XML.h"
#include "engine/progress/PlayerFileSeal.h"
#include "engine/text/TextConvert.h"

#include <expat.h>

#include <string_view>

static_assert(sizeof(XML_Char) == sizeof(char16_t), "expat must be the UTF-16 build");

namespace {

struct sReader {
    sSavedVariables& read;
    UInt depth = 0;

    static std::u16string_view view(const XML_Char* _text)
    {
        return std::u16string_view(reinterpret_cast<const char16_t*>(_text));
    }

    // Names and types are plain ASCII in every file the game writes; anything else converts.
    static String narrow(std::u16string_view _text)
    {
        String out(_text.size(), '\0');
        for (std::size_t i = 0; i < _text.size(); ++i) {
            if (_text[i] >= 0x80)
                return toString(WString(_text));
            out[i] = char(_text[i]);
        }
        return out;
    }

    static void XMLCALL onStart(void* _data, const XML_Char* _name, const XML_Char** _attributes)
    {
        auto& reader = *static_cast<sReader*>(_data);
        const UInt depth = reader.depth++;
        if (depth == 0) {
            reader.read.rootAttributes = *_attributes != nullptr;
            for (; *_attributes; _attributes += 2)
                if (view(_attributes[0]) == PLAYER_FILE_SEAL)
                    reader.read.seal = WString(view(_attributes[1]));
            return;
        }
        if (depth != 1 || view(_name) != u"prop")
            return;
        sSavedVariable& variable = reader.read.variables.emplace_back();
        for (; *_attributes; _attributes += 2) {
            const std::u16string_view name = view(_attributes[0]);
            const std::u16string_view value = view(_attributes[1]);
            if (name == u"Type")
                variable.type = narrow(value);
            else if (name == u"Name")
                variable.name = narrow(value);
            else if (name == u"Val")
                variable.value = WString(value);
        }
    }

    static void XMLCALL onEnd(void* _data, const XML_Char*)
    {
        --static_cast<sReader*>(_data)->depth;
    }
};

} // namespace

sSavedVariables readSavedVariables(const std::string& _bytes)
{
    sSavedVariables read;
    // A saved variable takes some fifty units of text: the room is made once.
    read.variables.reserve(_bytes.size() / 100);
    sReader reader{read};
    XML_Parser parser = XML_ParserCreate(reinterpret_cast<const XML_Char*>(u"UTF-16"));
    if (!parser)
        throw String("Can't create XML parser.");
    XML_SetUserData(parser, &reader);
    XML_SetElementHandler(parser, sReader::onStart, sReader::onEnd);
    // A player's file is far below the parser's limit of one call (the size limit sees to it).
    const XML_Status status = XML_Parse(parser, _bytes.data(), int(_bytes.size()), 1);
    if (status != XML_STATUS_OK) {
        const String text = describeXmlError(parser);
        XML_ParserFree(parser);
        throw text;
    }
    XML_ParserFree(parser);
    return read;
}
