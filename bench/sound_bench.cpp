// Measures how soon a sound cue is heard: from the call that plays it to the first
// non-silent sample reaching the PulseAudio sink, for every play of a run of plays
// started in a fresh process (so the first play after start-up counts). Compares the
// program's sound cue with a plain `paplay` of the same file, and with Qt's
// QSoundEffect used two ways (one effect rewound for every play, a new effect per play).
//
// Needs a PulseAudio server whose default sink's monitor can be recorded (as scripts/test
// starts one); the report names the monitor it records. The program's cue is played
// the moment its player has opened, as early as a process can play it; "first" is that
// play. Moments on the monitor are good to a few milliseconds: a sink that rewinds what
// it has rendered for a new stream (as for each `paplay`) can even show a sound a
// millisecond before its play.
//
//   sound_bench                        the report
//   sound_bench --play <player> <count> <spacing ms> <first delay ms>
//                                      one run of plays (used by the report); prints the
//                                      monotonic time of each play, one per line
#include "SinkListener.h"
#include "platform/SoundCue.h"
#include "platform/SoundPaths.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* Cue = "SOND\\HOLYVISN.WAV";

void waitMs(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

void printPlay()
{
    std::printf("%lld\n", static_cast<long long>(SinkListener::now()));
    std::fflush(stdout);
}

// One player of the comparison, living in its own process.
int runPlays(const std::string& player, int count, int spacingMs, int firstDelayMs, int argc, char** argv)
{
    QApplication app(argc, argv);
    const QUrl source = QUrl::fromLocalFile(SoundPaths::resolve(QString::fromLatin1(Cue)));
    std::function<void()> play;

    SoundCue cue;
    QSoundEffect reused;
    if (player == "trivane") {
        if (!cue.open(QString::fromLatin1(Cue)))
            return 1;
        play = [&] { cue.play(); };
    } else if (player == "qt-reuse") {
        // What the program did before: one effect, stopped (rewound) and played again.
        reused.setSource(source);
        play = [&, played = false]() mutable {
            if (played)
                reused.stop();
            reused.play();
            played = true;
        };
    } else if (player == "qt-fresh") {
        play = [&] {
            auto* effect = new QSoundEffect(&app);
            effect->setSource(source);
            effect->play();
            QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
                if (!effect->isPlaying())
                    effect->deleteLater();
            });
        };
    } else {
        return 2;
    }
    waitMs(firstDelayMs);
    for (int i = 0; i < count; ++i) {
        printPlay();
        play();
        waitMs(spacingMs);
    }
    return 0;
}

struct Figures {
    int heard = 0;
    int played = 0;
    double firstMs = -1;
    double medianMs = -1;
    double worstMs = -1;
};

Figures figuresFor(const SinkListener& listener, const std::vector<std::int64_t>& plays, int spacingMs)
{
    Figures f;
    f.played = int(plays.size());
    std::vector<double> latencies;
    for (std::size_t i = 0; i < plays.size(); ++i) {
        const std::int64_t heard = listener.firstSoundAfter(plays[i], plays[i] + std::int64_t(spacingMs) * 1000000);
        if (heard < 0)
            continue;
        const double ms = double(heard - plays[i]) / 1e6;
        if (i == 0)
            f.firstMs = ms;
        latencies.push_back(ms);
    }
    f.heard = int(latencies.size());
    if (!latencies.empty()) {
        std::sort(latencies.begin(), latencies.end());
        f.medianMs = latencies[latencies.size() / 2];
        f.worstMs = latencies.back();
    }
    return f;
}

// Runs a child process of this program and collects the play times it prints.
std::vector<std::int64_t> playsOfChild(const char* self, const std::string& player, int count, int spacingMs,
                                       int firstDelayMs)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    const std::string n = std::to_string(count), s = std::to_string(spacingMs), d = std::to_string(firstDelayMs);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(self, self, "--play", player.c_str(), n.c_str(), s.c_str(), d.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string out;
    char buffer[512];
    for (ssize_t r; (r = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, std::size_t(r));
    close(pipeFds[0]);
    waitpid(pid, nullptr, 0);
    std::vector<std::int64_t> plays;
    std::size_t at = 0;
    while (at < out.size()) {
        const std::size_t end = out.find('\n', at);
        if (end == std::string::npos)
            break;
        plays.push_back(std::stoll(out.substr(at, end - at)));
        at = end + 1;
    }
    return plays;
}

// A plain `paplay` of the file for every play, each a new process.
std::vector<std::int64_t> playsOfPaplay(const std::string& file, int count, int spacingMs)
{
    std::vector<std::int64_t> plays;
    std::vector<pid_t> children;
    for (int i = 0; i < count; ++i) {
        plays.push_back(SinkListener::now());
        const pid_t pid = fork();
        if (pid == 0) {
            execlp("paplay", "paplay", file.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        children.push_back(pid);
        usleep(useconds_t(spacingMs) * 1000);
    }
    for (pid_t pid : children)
        waitpid(pid, nullptr, 0);
    return plays;
}

void printRow(const char* name, const Figures& f)
{
    std::printf("  %-34s %3d / %-3d %8.1f %8.1f %8.1f\n", name, f.heard, f.played, f.medianMs, f.worstMs, f.firstMs);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 6 && std::string(argv[1]) == "--play")
        return runPlays(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), argc, argv);

    QCoreApplication app(argc, argv);
    const std::string file = SoundPaths::resolve(QString::fromLatin1(Cue)).toStdString();
    const std::string monitor = qEnvironmentVariable("TRIVANE_SINK_MONITOR", QStringLiteral("test.monitor")).toStdString();
    constexpr int count = 50;
    constexpr int spacingMs = 300;

    SinkListener listener;
    if (!listener.start(monitor)) {
        std::fprintf(stderr, "cannot record %s: is a PulseAudio server with that monitor running?\n", monitor.c_str());
        return 1;
    }
    struct Run {
        const char* name;
        std::function<std::vector<std::int64_t>()> plays;
    };
    const std::vector<Run> runs{
        {"Trivane cue", [&] { return playsOfChild(argv[0], "trivane", count, spacingMs, 0); }},
        {"paplay, a process per play", [&] { return playsOfPaplay(file, count, spacingMs); }},
        {"QSoundEffect, one rewound", [&] { return playsOfChild(argv[0], "qt-reuse", count, spacingMs, 0); }},
        {"QSoundEffect, a new one per play", [&] { return playsOfChild(argv[0], "qt-fresh", count, spacingMs, 0); }},
    };
    std::printf("%s, %d plays %d ms apart, recorded on %s\n", Cue, count, spacingMs, monitor.c_str());
    std::printf("  %-34s %9s %8s %8s %8s   (ms from play to the sink)\n", "player", "heard", "median", "worst",
                "first");
    for (const Run& run : runs) {
        const std::vector<std::int64_t> plays = run.plays();
        usleep(500000);
        printRow(run.name, figuresFor(listener, plays, spacingMs));
    }
    listener.stop();
    return 0;
}
