// Packs files into a zip package the game reads: furrow_pack <out.pack> <base folder> <file>...
// Entries are named by their path below the base folder, with '/' separators, and carry a
// fixed date so that the same sources always give the same bytes.
#include <minizip/zip.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int _argc, char** _argv)
{
    if (_argc < 3) {
        std::fprintf(stderr, "usage: furrow_pack <out.pack> <base folder> <file>...\n");
        return 2;
    }
    std::string base = _argv[2];
    if (!base.empty() && base.back() != '/')
        base += '/';
    zipFile zip = zipOpen64(_argv[1], APPEND_STATUS_CREATE);
    if (!zip) {
        std::fprintf(stderr, "furrow_pack: cannot create %s\n", _argv[1]);
        return 1;
    }
    int status = 0;
    for (int i = 3; i < _argc && status == 0; ++i) {
        const std::string path = _argv[i];
        if (path.compare(0, base.size(), base) != 0) {
            std::fprintf(stderr, "furrow_pack: %s is not below %s\n", path.c_str(), base.c_str());
            status = 1;
            break;
        }
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        zip_fileinfo info{};
        info.tmz_date.tm_year = 2026;
        info.tmz_date.tm_mday = 1;
        const std::string name = path.substr(base.size());
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "furrow_pack: cannot read %s\n", path.c_str());
            status = 1;
        } else if (zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 9) != ZIP_OK
                   || zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size())) != ZIP_OK
                   || zipCloseFileInZip(zip) != ZIP_OK) {
            std::fprintf(stderr, "furrow_pack: cannot pack %s\n", path.c_str());
            status = 1;
        }
    }
    if (zipClose(zip, nullptr) != ZIP_OK)
        status = 1;
    if (status != 0)
        std::remove(_argv[1]);
    return status;
}
