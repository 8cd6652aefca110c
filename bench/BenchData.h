#pragma once
// A data folder for the file benchmarks, made once per process and removed at its end, with
// the file manager built over it.
#include "engine/files/FileManager.h"

#include <minizip/zip.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

class cBenchData {
public:
    static cBenchData& get()
    {
        static cBenchData s_data;
        return s_data;
    }

    std::string root() const { return m_folder + "/Data"; }
    const std::vector<std::string>& packedNames() const { return m_packed; }

    static std::string utf16(const std::string& _ascii)
    {
        std::string bytes = "\xFF\xFE";
        for (const char c : _ascii) {
            bytes.push_back(c);
            bytes.push_back('\0');
        }
        return bytes;
    }

private:
    cBenchData()
    {
        m_folder = (std::filesystem::temp_directory_path() / ("furrow-bench-" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(root() + "/sys");
        write(root() + "/sys/settings.xml", utf16("<main><game app_directory=\"Bench\" /></main>"));
        write(root() + "/big.xml", utf16(bigXml()));
        writePackage(root() + "/bench.pack");
        setenv("FURROW_HOME", (m_folder + "/home").c_str(), 1);
        m_files = std::make_unique<cFileManager>(root(), "pack");
    }
    ~cBenchData()
    {
        m_files.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    static void write(const std::string& _path, const std::string& _bytes)
    {
        std::ofstream(_path, std::ios::binary).write(_bytes.data(), static_cast<std::streamsize>(_bytes.size()));
    }

    // About 2 MB once in UTF-16: the shapes the game's screens and tables use.
    static std::string bigXml()
    {
        std::string text = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<Screen>\n";
        for (int i = 0; text.size() < 1000000; ++i) {
            const std::string n = std::to_string(i);
            text += "  <Control Name=\"Item" + n + "\" Picture=\"UI/Pictures/item" + n + ".png\" Position=\"" + n
                + ", 300\" deep=\"" + n + "\">\n    <Price>" + n + ".5</Price>\n  </Control>\n";
        }
        return text + "</Screen>\n";
    }

    void writePackage(const std::string& _path)
    {
        zipFile zip = zipOpen64(_path.c_str(), APPEND_STATUS_CREATE);
        for (int i = 0; i < 1000; ++i) {
            const std::string name = "Farm/Objects/object" + std::to_string(i) + ".xml";
            std::string body = "<Object Name=\"object" + std::to_string(i) + "\">";
            while (body.size() < 400)
                body += "<State Picture=\"Farm/obj" + std::to_string(body.size()) + ".png\" />";
            body = utf16(body + "</Object>");
            zip_fileinfo info{};
            zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 6);
            zipWriteInFileInZip(zip, body.data(), static_cast<unsigned>(body.size()));
            zipCloseFileInZip(zip);
            m_packed.push_back(name);
        }
        zipClose(zip, nullptr);
    }

    std::string m_folder;
    std::vector<std::string> m_packed;
    std::unique_ptr<cFileManager> m_files;
};
