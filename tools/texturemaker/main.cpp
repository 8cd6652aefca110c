// texturemaker <description> <Data folder> [--sheet <contact sheet.png>]
// Draws every picture and mesh the description lists into the Data folder.
#include "ContactSheet.h"
#include "HayBale.h"
#include "Painter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

int main(int _argc, char** _argv)
{
    if (_argc != 3 && !(_argc == 5 && String(_argv[3]) == "--sheet")) {
        std::fprintf(stderr, "usage: %s <description> <Data folder> [--sheet <contact sheet.png>]\n", _argv[0]);
        return 2;
    }
    try {
        std::ifstream file(_argv[1], std::ios::binary);
        if (!file)
            throw String("Cannot read " + String(_argv[1]) + ".");
        std::ostringstream text;
        text << file.rdbuf();
        const sDescription description = parseDescription(text.str(), _argv[1]);
        const String data = _argv[2];
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
        if (_argc == 5)
            saveImage(makeContactSheet(painted), _argv[4]);
        std::printf("texturemaker: %zu pictures, %zu meshes\n", description.pictures.size(), description.meshes.size());
    } catch (const String& _error) {
        std::fprintf(stderr, "texturemaker: %s\n", _error.c_str());
        return 1;
    }
    return 0;
}
