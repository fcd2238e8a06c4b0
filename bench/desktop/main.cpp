// SPDX-License-Identifier: MIT
// The desktop benchmark: the game against the floor (a bare Qt window of the board's size), both
// started on the same X server in one run, so that only their ratios are compared.
//   start-up: exec -> board mapped, exec -> first drawing in it, peak resident memory;
//   idle CPU: the floor, and the game in each state a player leaves it in;
//   input: release of a click on a free cell -> the cell redrawn, and -> its sound heard.
// Run it through bench/desktop/run.sh, which starts the X server.

#include "bench/desktop/GameTour.h"
#include "bench/desktop/ProgramRun.h"
#include "bench/desktop/SoundWatcher.h"
#include "bench/desktop/Statistics.h"
#include "bench/desktop/XSession.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string game;
    std::string floor;
    std::string work = "/tmp/quinsum-desktop-bench";
    int rounds = 11;
    double idleSeconds = 20;
    double settleSeconds = 3;
    int clicks = 20;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--game") {
            options.game = value;
        } else if (name == "--floor") {
            options.floor = value;
        } else if (name == "--work") {
            options.work = value;
        } else if (name == "--rounds") {
            options.rounds = std::atoi(value.c_str());
        } else if (name == "--idle-seconds") {
            options.idleSeconds = std::atof(value.c_str());
        } else if (name == "--clicks") {
            options.clicks = std::atoi(value.c_str());
        } else {
            return false;
        }
    }
    return !options.game.empty() && !options.floor.empty() && options.rounds > 0 && options.idleSeconds > 0;
}

struct StartupSample {
    double mapMs = 0;
    double paintMs = 0;
    double rssMiB = 0;
};

struct Program {
    std::string path;
    ProgramRun::Environment environment;
    std::vector<StartupSample> startups;
};

bool MeasureStartup(XSession& session, Program& program) {
    session.DropDrawing();
    ProgramRun run(program.path, program.environment);
    const auto mapped = session.WaitForTopLevelMap(SecondsFromNow(10));
    if (!mapped) {
        return false;
    }
    session.WatchDrawing(mapped->window);
    const auto drawn = session.WaitForDrawing({}, SecondsFromNow(10));
    // Long enough for everything start-up shows (the game's settings dialog) to be built and drawn.
    session.Idle(2);
    StartupSample sample{MillisecondsBetween(run.StartedAt(), mapped->when),
                         drawn ? MillisecondsBetween(run.StartedAt(), *drawn) : 0, run.Stop()};
    program.startups.push_back(sample);
    session.Idle(0.3);
    return drawn.has_value();
}

// CPU share of one core while the program sits in a state, after it settled there.
double IdleCpuPercent(XSession& session, const ProgramRun& run, const Options& options) {
    session.Idle(options.settleSeconds);
    const std::map<int, long long> before = run.CpuNanoseconds();
    session.Idle(options.idleSeconds);
    // Per thread: a thread that ends meanwhile (the audio device closing) takes its time with it.
    long long spent = 0;
    for (const auto& [thread, after] : run.CpuNanoseconds()) {
        const auto earlier = before.find(thread);
        spent += after - (earlier != before.end() ? earlier->second : 0);
    }
    return 100.0 * static_cast<double>(spent) / (options.idleSeconds * 1e9);
}

double Column(const std::vector<StartupSample>& samples, double StartupSample::*field) {
    std::vector<double> values;
    for (const StartupSample& sample : samples) {
        values.push_back(sample.*field);
    }
    return Median(values);
}

void PrintStartup(const Program& floor, const Program& game) {
    std::printf("%-34s %10s %10s %8s\n", "", "floor", "quinsum", "ratio");
    const auto row = [&](const char* label, double StartupSample::*field, const char* unit) {
        const double floorValue = Column(floor.startups, field);
        const double gameValue = Column(game.startups, field);
        std::printf("%-34s %7.1f %-2s %7.1f %-2s %7.2fx\n", label, floorValue, unit, gameValue, unit,
                    gameValue / floorValue);
    };
    row("exec -> board mapped (median)", &StartupSample::mapMs, "ms");
    row("exec -> first paint (median)", &StartupSample::paintMs, "ms");
    row("peak RSS (median)", &StartupSample::rssMiB, "MiB");
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: quinsum-desktop-bench --game PATH --floor PATH [--rounds N] [--idle-seconds S] "
                     "[--clicks K] [--work DIR]\n");
        return 2;
    }
    auto session = XSession::Open();
    if (!session) {
        std::fprintf(stderr, "quinsum-desktop-bench: no X display with DAMAGE and XTEST ($DISPLAY)\n");
        return 1;
    }
    std::filesystem::create_directories(options.work);
    const std::string audioFile = options.work + "/sound.raw";
    const ProgramRun::Environment quiet = {{"SDL_AUDIODRIVER", "dummy"}};
    Program floor{options.floor, quiet, {}};
    Program game{options.game, quiet, {}};

    for (int round = 0; round < options.rounds; ++round) {
        // Alternating, so that whatever else the machine does hits both alike.
        Program& first = round % 2 == 0 ? floor : game;
        Program& second = round % 2 == 0 ? game : floor;
        if (!MeasureStartup(*session, first) || !MeasureStartup(*session, second)) {
            std::fprintf(stderr, "quinsum-desktop-bench: a program showed no window\n");
            return 1;
        }
    }
    PrintStartup(floor, game);

    std::printf("\nidle CPU, %% of one core over %.0f s (%.0f s after each action)\n", options.idleSeconds,
                options.settleSeconds);
    double floorIdle = 0;
    {
        ProgramRun run(options.floor, quiet);
        session->WaitForTopLevelMap(SecondsFromNow(10));
        floorIdle = IdleCpuPercent(*session, run, options);
        std::printf("  %-32s %6.3f\n", "floor", floorIdle);
    }
    std::filesystem::remove(audioFile);
    ProgramRun run(options.game, {{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", audioFile}});
    const auto board = session->WaitForTopLevelMap(SecondsFromNow(10));
    if (!board) {
        std::fprintf(stderr, "quinsum-desktop-bench: the game showed no window\n");
        return 1;
    }
    session->WatchDrawing(board->window);
    GameTour tour(*session, board->window);
    const auto state = [&](const char* name, const std::function<void()>& reach) {
        reach();
        const double percent = IdleCpuPercent(*session, run, options);
        std::printf("  %-32s %6.3f  (%.1fx the floor)\n", name, percent, percent / floorIdle);
    };
    state("settings open", [] {});
    state("game dealt, pointer on a cell", [&] {
        tour.DealPersonAgainstPerson();
        tour.RestPointerOnCell(12);
    });
    state("menu open", [&] { tour.OpenMenu(); });
    tour.Escape();
    state("high scores open", [&] { tour.OpenHighScoresFromMenu(); });
    tour.Escape();
    state("challenge open", [&] { tour.OpenChallenge(); });
    tour.Escape();
    tour.DealPersonAgainstPerson();

    SoundWatcher sound(audioFile);
    const std::vector<GameTour::Claim> claims = tour.TimeClaims(options.clicks, sound);
    std::vector<double> repaints;
    std::vector<double> sounds;
    int beforeSound = 0;
    for (const GameTour::Claim& claim : claims) {
        if (claim.soundMs >= 0) {
            sounds.push_back(claim.soundMs);
        }
        if (claim.repaintMs >= 0) {
            repaints.push_back(claim.repaintMs);
            beforeSound += claim.soundMs < 0 || claim.repaintMs < claim.soundMs ? 1 : 0;
        }
    }
    std::printf("\nclick on a free cell -> cell repainted (%zu of %zu claims seen)\n", repaints.size(), claims.size());
    std::printf("  median %.2f ms, 95th percentile %.2f ms, worst %.2f ms; repainted before its sound in %d of %zu\n",
                Median(repaints), Percentile(repaints, 0.95), Percentile(repaints, 1.0), beforeSound, repaints.size());
    std::printf("  its click first heard after a median %.1f ms (%zu of %zu claims heard)\n", Median(sounds),
                sounds.size(), claims.size());
    return 0;
}
