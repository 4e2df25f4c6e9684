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
// Then the program's cue alone, a 300 ms tone played 100 times, with the machine idle
// and with both cores kept busy by another process: how many plays were heard whole
// (one sound of the tone's length), how soon, and how many times the mixer's stream ran
// dry (its underruns, as the mixer counts them).
//
// Last, the first play after start on an idle sink: nothing records or plays for a
// moment, then a recorder that does not wait for sound starts, and a fresh process plays
// the tone as soon as its cue has opened; five times.
//
//   sound_bench                        the report
//   sound_bench --tone                 the tone's part of the report alone
//   sound_bench --play <player> <cue> <count> <spacing ms> <first delay ms>
//                                      one run of plays (used by the report); prints the
//                                      monotonic time of each play, one per line, and
//                                      then, for the program's cue, "health <requests>
//                                      <underruns>"
#include "SinkListener.h"
#include "platform/SoundCue.h"
#include "platform/SoundPaths.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* Cue = "SOND\\HOLYVISN.WAV";
constexpr const char* Tone = "SOND\\TONE.WAV";
constexpr int ToneMs = 300;
// The folder that holds the tone's SOND folder, passed to the processes that play it.
constexpr const char* ToneFolderVariable = "TRIVANE_BENCH_TONE_FOLDER";

// A 300 ms tone at 441 Hz, 16-bit mono at 44.1 kHz.
QByteArray toneWav()
{
    const int frames = 44100 * ToneMs / 1000;
    QByteArray pcm(frames * 2, 0);
    for (int i = 0; i < frames; ++i)
        qToLittleEndian(qint16(12000 * std::sin(2 * M_PI * 441 * i / 44100.0)), pcm.data() + 2 * i);
    const auto le32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    const auto le16 = [](quint16 v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    const QByteArray fmt = "fmt " + le32(16) + le16(1) + le16(1) + le32(44100) + le32(88200) + le16(2) + le16(16);
    const QByteArray body = "WAVE" + fmt + "data" + le32(quint32(pcm.size())) + pcm;
    return "RIFF" + le32(quint32(body.size())) + body;
}

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
int runPlays(const std::string& player, const char* cueName, int count, int spacingMs, int firstDelayMs, int argc,
             char** argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(ToneFolderVariable))
        SoundPaths::overrideSearchFolders({qEnvironmentVariable(ToneFolderVariable)});
    const QString cue = QString::fromLatin1(cueName);
    const QUrl source = QUrl::fromLocalFile(SoundPaths::resolve(cue));
    std::function<void()> play;

    SoundCue player_;
    QSoundEffect reused;
    if (player == "trivane") {
        if (!player_.open(cue))
            return 1;
        play = [&] { player_.play(); };
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
    if (player == "trivane") {
        const AudioOutput::Health health = AudioOutput::health();
        std::printf("health %llu %llu\n", static_cast<unsigned long long>(health.requests),
                    static_cast<unsigned long long>(health.underruns));
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

// What a child process that played printed: the moment of each play and, for the
// program's cue, the mixer's health.
struct ChildRun {
    std::vector<std::int64_t> plays;
    unsigned long long requests = 0;
    unsigned long long underruns = 0;
};

// Runs a child process of this program and collects what it prints.
ChildRun runChild(const char* self, const std::string& player, const char* cue, int count, int spacingMs,
                  int firstDelayMs)
{
    ChildRun run;
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return run;
    const std::string n = std::to_string(count), s = std::to_string(spacingMs), d = std::to_string(firstDelayMs);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(self, self, "--play", player.c_str(), cue, n.c_str(), s.c_str(), d.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string out;
    char buffer[512];
    for (ssize_t r; (r = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, std::size_t(r));
    close(pipeFds[0]);
    waitpid(pid, nullptr, 0);
    std::size_t at = 0;
    while (at < out.size()) {
        const std::size_t end = out.find('\n', at);
        if (end == std::string::npos)
            break;
        const std::string line = out.substr(at, end - at);
        if (line.rfind("health ", 0) == 0)
            std::sscanf(line.c_str(), "health %llu %llu", &run.requests, &run.underruns);
        else
            run.plays.push_back(std::stoll(line));
        at = end + 1;
    }
    return run;
}

std::vector<std::int64_t> playsOfChild(const char* self, const std::string& player, int count, int spacingMs,
                                       int firstDelayMs)
{
    return runChild(self, player, Cue, count, spacingMs, firstDelayMs).plays;
}

// Another process that keeps every core busy until it is stopped.
class BusyCores {
public:
    BusyCores()
    {
        m_pid = fork();
        if (m_pid == 0) {
            std::vector<std::thread> spinners;
            const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
            for (unsigned i = 0; i < cores; ++i)
                spinners.emplace_back([] {
                    volatile unsigned long long n = 0;
                    for (;;)
                        n = n + 1;
                });
            for (std::thread& t : spinners)
                t.join();
            _exit(0);
        }
    }
    ~BusyCores()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }

private:
    pid_t m_pid = -1;
};

// Plays heard whole: one sound, of the tone's length (within a few milliseconds), in the
// time between a play and the next.
int wholePlays(const SinkListener& listener, const std::vector<std::int64_t>& plays, int spacingMs)
{
    constexpr std::int64_t Ms = 1000000;
    int whole = 0;
    for (std::int64_t play : plays) {
        const auto sounds = listener.soundsBetween(play - 10 * Ms, play + (spacingMs - 10) * Ms, 1000, 2);
        if (sounds.size() == 1 && std::llabs((sounds[0].endNs - sounds[0].startNs) / Ms - ToneMs) <= 25)
            ++whole;
    }
    return whole;
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
    if (argc == 7 && std::string(argv[1]) == "--play")
        return runPlays(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]), argc, argv);

    QCoreApplication app(argc, argv);
    const std::string file = SoundPaths::resolve(QString::fromLatin1(Cue)).toStdString();
    const std::string monitor =
        qEnvironmentVariable("TRIVANE_SINK_MONITOR", QStringLiteral("test.monitor")).toStdString();
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
    const bool toneOnly = argc == 2 && std::string(argv[1]) == "--tone";
    for (const Run& run : toneOnly ? std::vector<Run>{} : runs) {
        const std::vector<std::int64_t> plays = run.plays();
        usleep(500000);
        printRow(run.name, figuresFor(listener, plays, spacingMs));
    }

    QTemporaryDir toneFolder;
    QDir(toneFolder.path()).mkpath(QStringLiteral("SOND"));
    QFile tone(toneFolder.filePath(QStringLiteral("SOND/TONE.WAV")));
    if (!tone.open(QIODevice::WriteOnly) || tone.write(toneWav()) < 0)
        return 1;
    tone.close();
    qputenv(ToneFolderVariable, toneFolder.path().toLocal8Bit());
    constexpr int tonePlays = 100;
    constexpr int toneSpacingMs = ToneMs + 200;
    std::printf("\nTrivane cue, a %d ms tone, %d plays %d ms apart\n", ToneMs, tonePlays, toneSpacingMs);
    std::printf("  %-34s %9s %8s %8s %8s %10s\n", "machine", "whole", "median", "worst", "first", "underruns");
    for (const bool busy : {false, true}) {
        std::unique_ptr<BusyCores> load;
        if (busy)
            load = std::make_unique<BusyCores>();
        const ChildRun run = runChild(argv[0], "trivane", Tone, tonePlays, toneSpacingMs, 0);
        load.reset();
        usleep(500000);
        listener.waitUntilRecorded(SinkListener::now());
        const Figures f = figuresFor(listener, run.plays, toneSpacingMs);
        std::printf("  %-34s %3d / %-3d %8.1f %8.1f %8.1f %4llu / %llu\n", busy ? "both cores kept busy" : "idle",
                    wholePlays(listener, run.plays, toneSpacingMs), int(run.plays.size()), f.medianMs, f.worstMs,
                    f.firstMs, run.underruns, run.requests);
    }
    listener.stop();

    std::printf("\nThe first play after start, on an idle sink (ms from play to the sink)\n ");
    std::vector<double> firsts;
    for (int round = 0; round < 5; ++round) {
        usleep(300000); // the sink, with no one on it, goes idle
        SinkListener fresh;
        if (!fresh.start(monitor, false))
            return 1;
        const ChildRun run = runChild(argv[0], "trivane", Tone, 1, ToneMs + 2700, 0);
        fresh.waitUntilRecorded(SinkListener::now());
        const std::int64_t heard = run.plays.empty() ? -1 : fresh.firstSoundAfter(run.plays[0], SinkListener::now());
        fresh.stop();
        firsts.push_back(heard < 0 ? -1 : double(heard - run.plays[0]) / 1e6);
        std::printf(" %8.1f", firsts.back());
    }
    std::sort(firsts.begin(), firsts.end());
    std::printf("   median %.1f\n", firsts[firsts.size() / 2]);
    return 0;
}
