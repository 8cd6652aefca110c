// texturemaker <description>... <Data folder> [--sheet <contact sheet.png>]
// Draws every picture and mesh the descriptions list into the Data folder. The descriptions are
// read as one text in the order given, so colours named in the first serve all the others.
#include "ContactSheet.h"
#include "HayBale.h"
#include "Painter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

int main(int _argc, char** _argv)
{
    Int last = _argc;
    String sheet;
    if (_argc >= 4 && String(_argv[_argc - 2]) == "--sheet") {
        sheet = _argv[_argc - 1];
        last = _argc - 2;
    }
    if (last < 3) {
        std::fprintf(stderr, "usage: %s <description>... <Data folder> [--sheet <contact sheet.png>]\n", _argv[0]);
        return 2;
    }
    try {
        std::ostringstream text;
        String names;
        for (Int i = 1; i < last - 1; ++i) {
            std::ifstream file(_argv[i], std::ios::binary);
            if (!file)
                throw String("Cannot read " + String(_argv[i]) + ".");
            text << file.rdbuf() << '\n';
            names += (names.empty() ? "" : " + ") + String(_argv[i]);
        }
        const sDescription description = parseDescription(text.str(), names);
        const String data = _argv[last - 1];
        std::vector<std::pair<String, sImage>> painted;
        for (const sPicture& picture : description.pictures) {
            painted.emplace_back(picture.path, paintPicture(picture));
            saveImage(painted.back().second, data + "/" + picture.path);
        }
        for (const sMeshOrder& mesh : description.meshes) {
            const String path = data + "/" + mesh.path;
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            const String bytes = makeHayBaleMesh();
            std::ofstream out(path, std::ios::binary);
            if (!out.write(bytes.data(), std::streamsize(bytes.size())) || !out.flush())
                throw String("Cannot write " + path + ".");
        }
        if (!sheet.empty())
            saveImage(makeContactSheet(painted), sheet);
        std::printf("texturemaker: %zu pictures, %zu meshes\n", description.pictures.size(), description.meshes.size());
    } catch (const String& _error) {
        std::fprintf(stderr, "texturemaker: %s\n", _error.c_str());
        return 1;
    }
    return 0;
}
