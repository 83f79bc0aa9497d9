// Start-up time, peak memory and idle behaviour of the game against a bare Qt
// window, both in an Xvfb server of this program's own. Each program is
// started several times in turn; the medians are reported. Then what the
// game keeps of long play: its resident memory after a warm-up and after
// 1,000 New Games and 200 about boxes more, with and without a screen reader.
//
//   startup_bench [runs]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "layout.h"
#include "process.h"
#include "reader_session.h"
#include "tavwindow.h"
#include "x_session.h"

using xsession::PixelAt;

namespace {

using Clock = std::chrono::steady_clock;

long StatusField(pid_t pid, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::atol(line.c_str() + field.size() + 1);
    }
    return -1;
}

// User and system CPU time of a process, in clock ticks.
long CpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    const size_t end = text.rfind(')');
    std::vector<std::string> fields;
    size_t at = end + 2;
    while (at < text.size()) {
        const size_t space = text.find(' ', at);
        fields.push_back(text.substr(at, space - at));
        at = space == std::string::npos ? text.size() : space + 1;
    }
    return std::atol(fields[11].c_str()) + std::atol(fields[12].c_str());
}

struct Run {
    double startupMs;
    long peakKb;
};

// A screen pixel of the board's background between the boards, where the bare
// window paints too.
constexpr int kProbeX = int(kWindowFrame.left) + kOfferSpot.x;
constexpr int kProbeY = int(kWindowFrame.top) + 100;

// The screen where no window shows.
uint32_t gBare = 0;

// English, and German from a catalogue, whatever the language of the one who
// runs this.
const harness::Environment kEnglish = {{"LANGUAGE", "en"}};
const harness::Environment kGerman = {{"LANGUAGE", "de"}, {"LC_ALL", "de_DE.UTF-8"}};

// Starts the program and waits until its window shows painted pixels.
std::unique_ptr<harness::Process> Launch(
    const char* path, Clock::duration* startup, const harness::Environment& language = kEnglish)
{
    const auto start = Clock::now();
    auto program = std::make_unique<harness::Process>(std::vector<std::string> {path}, language);
    while (PixelAt(kProbeX, kProbeY) == gBare && Clock::now() - start < std::chrono::seconds(20))
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    *startup = Clock::now() - start;
    return program;
}

// Ends the program and waits for the server to take its window down.
void Stop(std::unique_ptr<harness::Process> program)
{
    program.reset();
    harness::WaitFor([] { return PixelAt(kProbeX, kProbeY) == gBare; });
}

Run Measure(const char* path, const harness::Environment& language = kEnglish)
{
    Clock::duration startup;
    auto program = Launch(path, &startup, language);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const Run run {std::chrono::duration<double, std::milli>(startup).count(),
        StatusField(program->Pid(), "VmHWM")};
    Stop(std::move(program));
    return run;
}

template <typename T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Idle()
{
    Clock::duration startup;
    auto program = Launch(TAVRIN_BINARY, &startup);
    const pid_t pid = program->Pid();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long ticks = CpuTicks(pid);
    const long switches = StatusField(pid, "voluntary_ctxt_switches");
    const long forced = StatusField(pid, "nonvoluntary_ctxt_switches");
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const long tick = sysconf(_SC_CLK_TCK);
    std::printf("idle 10 s: CPU %.0f ms, wake-ups %ld voluntary + %ld forced\n",
        1000.0 * double(CpuTicks(pid) - ticks) / double(tick),
        StatusField(pid, "voluntary_ctxt_switches") - switches,
        StatusField(pid, "nonvoluntary_ctxt_switches") - forced);
    Stop(std::move(program));
}

// New games and about boxes, as a player who stays for hours asks for them:
// five New Games to each box, with a reader reading what it heard. Returns
// how many boxes showed and went again.
int Play(const std::string& window, int aboutBoxes, atspi::ScreenReader* reader)
{
    using xsession::Shell;
    int shown = 0;
    for (int i = 0; i < aboutBoxes; i++) {
        Shell("xdotool windowfocus " + window + " key ctrl+n ctrl+n ctrl+n ctrl+n ctrl+n ctrl+a");
        const std::string about = xsession::WaitForAboutBox();
        Shell("xdotool windowfocus " + about + " key Escape");
        shown += !about.empty() && harness::WaitFor([] { return xsession::AboutBoxes().empty(); });
        if (reader)
            reader->Read();
    }
    return shown;
}

void Growth(bool withReader)
{
    std::unique_ptr<atspi::ScreenReader> reader;
    harness::Environment environment = kEnglish;
    if (withReader) {
        reader = std::make_unique<atspi::ScreenReader>();
        if (!reader->Running()) {
            std::printf("no screen reader\n");
            return;
        }
        for (const auto& setting : reader->GameEnvironment())
            environment.push_back(setting);
    }
    Clock::duration startup;
    auto program = Launch(TAVRIN_BINARY, &startup, environment);
    const std::string window = xsession::Shell("xdotool search --onlyvisible --name '^Tavrin$'");
    const std::string game = window.substr(0, window.find('\n'));
    Play(game, 40, reader.get());
    const long warm = StatusField(program->Pid(), "VmRSS");
    const int boxes = Play(game, 200, reader.get());
    const long after = StatusField(program->Pid(), "VmRSS");
    std::printf("resident memory %s a screen reader: %ld KiB after 200 New Games and 40 about "
                "boxes, %ld KiB after 1,000 and %d more (%+ld KiB)\n",
        withReader ? "with" : "without", warm, after, boxes, after - warm);
    Stop(std::move(program));
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 11;
    if (!xsession::StartServer()) {
        std::fprintf(stderr, "startup_bench: Xvfb did not start\n");
        return 1;
    }
    gBare = PixelAt(kProbeX, kProbeY);
    std::vector<double> gameMs, bareMs, germanMs;
    std::vector<long> gameKb, bareKb;
    Measure(BARE_BINARY); // warms the file cache for both
    Measure(TAVRIN_BINARY);
    for (int i = 0; i < runs; i++) {
        const Run game = Measure(TAVRIN_BINARY);
        const Run bare = Measure(BARE_BINARY);
        germanMs.push_back(Measure(TAVRIN_BINARY, kGerman).startupMs);
        gameMs.push_back(game.startupMs);
        gameKb.push_back(game.peakKb);
        bareMs.push_back(bare.startupMs);
        bareKb.push_back(bare.peakKb);
    }
    const double gMs = Median(gameMs), bMs = Median(bareMs);
    const long gKb = Median(gameKb), bKb = Median(bareKb);
    std::printf("%d runs each, medians\n", runs);
    std::printf("start-up to a painted window: game %.1f ms, bare window %.1f ms, ratio %.2f\n",
        gMs, bMs, gMs / bMs);
    const double deMs = Median(germanMs);
    std::printf("start-up in German, from its catalogue: %.1f ms, %+.1f %% against English\n", deMs,
        100 * (deMs / gMs - 1));
    std::printf(
        "peak RSS: game %ld KiB, bare window %ld KiB, difference %+ld KiB\n", gKb, bKb, gKb - bKb);
    Idle();
    Growth(false);
    Growth(true);
    xsession::StopServer();
    return 0;
}
