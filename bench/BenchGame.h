#pragma once
// The game as the game benchmarks play it: the engine over the demo data on the headless
// platform, in a home folder of its own, for a player past the tutorial with every award
// shown, so nothing stops the game to explain. Each benchmark writes the variables of the
// game it plays before the game starts, and drives its frames.
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/Market/Market.h"
#include "engine/Engine.h"
#include "engine/frame/Logic.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

class cBenchGame {
public:
    static constexpr UInt FRAME_MS = 16;

    // _setUp writes the game's variables. A farm of _fields fields plays on a copy of the
    // demo data whose field array stops there; 0 keeps every field.
    explicit cBenchGame(const std::function<void()>& _setUp, UInt _fields = 0)
        : m_folder((std::filesystem::temp_directory_path() / ("furrow-bench-game-" + std::to_string(::getpid())))
                       .string())
    {
        setenv("FURROW_HOME", (m_folder + "/home").c_str(), 1);
        std::string data = FURROW_DATA_DIR;
        if (_fields != 0)
            data = cutFields(_fields);
        m_engine = std::make_unique<cEngine>(data.c_str(), nullptr);
        cGame::onInitProfile();
        for (UInt i = 0; i < key::TIP_COUNT; ++i)
            key::tip[i] = true;
        for (UInt i = 0; i < AWARD_COUNT; ++i)
            key::Award[i] = key::awardShow[i] = true;
        if (_setUp)
            _setUp();
        // The frame driver learns where the cursor rests (off the farm) before the farm's
        // objects ask whether it is over them.
        frame();
        cGame::startGame();
    }
    ~cBenchGame()
    {
        cGame::endGame();
        m_engine.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    void frame()
    {
        m_platform.getHeadlessSystem().advance(FRAME_MS);
        cLogic::getInstance()->process();
    }
    void frames(int _count)
    {
        for (int i = 0; i < _count; ++i)
            frame();
    }

    // Every kind stocked without end and priced cheap, fair and dear in turn: some attempts
    // sell, some fail, some never come.
    static void putEverythingOnSale()
    {
        cMarket& market = *cMarket::getInstance();
        for (UInt k = 0; k < OVERALL_PROD_COUNT; ++k) {
            market.setPlayerPriceOfKind(k, 4 + (k % 3) * 6);
            market.setQtyOfKind(k, 1000000);
        }
    }

    // The memory the process holds now, and the most it ever held, in MB.
    static double residentMB()
    {
        long pages = 0, resident = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
                resident = 0;
            std::fclose(statm);
        }
        return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
    }
    static double peakMB()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return double(usage.ru_maxrss) / 1024.0;
    }

    // The game of type tGame, or the benchmark skipped with the reason it could not start.
    template <class tGame, class... tArgs>
    static std::unique_ptr<tGame> make(benchmark::State& _state, tArgs&&... _args)
    {
        try {
            return std::make_unique<tGame>(std::forward<tArgs>(_args)...);
        } catch (const String& _error) {
            _state.SkipWithError(_error.c_str());
        } catch (const char* _error) {
            _state.SkipWithError(_error);
        }
        return nullptr;
    }

private:
    // A copy of the demo data with only the first _fields fields in the farm's field array.
    std::string cutFields(UInt _fields) const
    {
        const std::string data = m_folder + "/Data";
        std::filesystem::create_directories(m_folder);
        std::filesystem::copy(FURROW_DATA_DIR, data, std::filesystem::copy_options::recursive);
        const std::string farm = data + "/Ui/gameUI/farm.xml";
        std::ifstream in(farm, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // The demo's XML is ASCII in UTF-16LE: every other byte.
        std::string text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text.push_back(bytes[i]);
        size_t at = text.find("<FieldArray>");
        for (UInt kept = 0; at != std::string::npos && kept <= _fields; ++kept)
            at = text.find("<F ", at + 1);
        if (at != std::string::npos)
            text.erase(at, text.find("</FieldArray>") - at);
        std::string wide = "\xFF\xFE";
        for (const char c : text) {
            wide.push_back(c);
            wide.push_back('\0');
        }
        std::ofstream(farm, std::ios::binary | std::ios::trunc).write(wide.data(), std::streamsize(wide.size()));
        return data;
    }

    std::string m_folder;
    cHeadlessPlatform m_platform;
    std::unique_ptr<cEngine> m_engine;
};
