// Opening and reading 1,000 small package entries through the file manager, against a plain
// minizip loop over the same package, in one run.
#include "BenchData.h"
#include "engine/files/File.h"

#include <benchmark/benchmark.h>
#include <minizip/unzip.h>

namespace {

void BM_fileManagerEntries(benchmark::State& _state)
{
    cFileManager* files = cFileManager::getInstance();
    const std::vector<std::string>& names = cBenchData::get().packedNames();
    files = cFileManager::getInstance();
    std::vector<char> buffer;
    for (auto _ : _state) {
        for (const std::string& name : names) {
            std::unique_ptr<iFile> file(files->open(name));
            buffer.resize(file->getSize());
            benchmark::DoNotOptimize(file->read(buffer.data(), static_cast<ULong>(buffer.size())));
        }
    }
    _state.SetItemsProcessed(_state.iterations() * static_cast<int64_t>(names.size()));
}

void BM_minizipEntries(benchmark::State& _state)
{
    const std::string path = cBenchData::get().root() + "/bench.pack";
    std::vector<char> buffer;
    for (auto _ : _state) {
        unzFile zip = unzOpen64(path.c_str());
        for (int more = unzGoToFirstFile(zip); more == UNZ_OK; more = unzGoToNextFile(zip)) {
            unz_file_info64 info{};
            unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0);
            unzOpenCurrentFile(zip);
            buffer.resize(info.uncompressed_size);
            benchmark::DoNotOptimize(unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size())));
            unzCloseCurrentFile(zip);
        }
        unzClose(zip);
    }
    _state.SetItemsProcessed(_state.iterations() * 1000);
}

BENCHMARK(BM_fileManagerEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_minizipEntries)->Unit(benchmark::kMillisecond);

} // namespace
