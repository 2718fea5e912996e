// The monkey: the real window on the real platform, driven by seeded random
// input until the asked number of events has run. It fails on a crash, on a
// sanitizer report or when the window stops answering, printing the seed and
// the last events; a run with the same seed repeats them.
//
//     garabel_monkey [--seed N] [--events N] [--verbose]   (run it through monkey/run.sh)

#include "Driver.h"
#include "EventLog.h"
#include "MonkeyPlatform.h"
#include "Watchdog.h"

#include "desktop/Translations.h"
#include "raster/Surface.h"
#include "support/WindowProbe.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#if defined(__SANITIZE_ADDRESS__)
#define GARABEL_MONKEY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GARABEL_MONKEY_SANITIZED 1
#endif
#endif

#if defined(GARABEL_MONKEY_SANITIZED)
#include <sanitizer/common_interface_defs.h>
#else
#include <signal.h>
#endif

namespace {

garabel::monkey::EventLog *g_log = nullptr;

#if defined(GARABEL_MONKEY_SANITIZED)

// The sanitizers catch the crash signals themselves and print their report
// with its stack; their death callback adds the seed and the last events.
void onSanitizerReport()
{
    if (g_log)
        g_log->dump("a sanitizer report");
}

void reportFailures(garabel::monkey::EventLog &log)
{
    g_log = &log;
    __sanitizer_set_death_callback(onSanitizerReport);
}

} // namespace

// An abort (a failed assertion, qFatal) or an illegal instruction is reported
// like a crash, with its stack, so that the log follows it too.
extern "C" __attribute__((used, visibility("default"))) const char *__asan_default_options()
{
    return "handle_abort=1:handle_sigill=1";
}

namespace {

#else

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction g_previous[NSIG] = {};

const char *signalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    default: return "SIGABRT";
    }
}

// Only async-signal-safe calls: the log is written with write(), then the
// handler that was there before runs, or the signal is raised again under it.
void onFatalSignal(int signal, siginfo_t *info, void *context)
{
    if (g_log)
        g_log->dump(signalName(signal));
    const struct sigaction &previous = g_previous[signal];
    if ((previous.sa_flags & SA_SIGINFO) && previous.sa_sigaction) {
        previous.sa_sigaction(signal, info, context);
    } else if (!(previous.sa_flags & SA_SIGINFO) && previous.sa_handler != SIG_DFL
               && previous.sa_handler != SIG_IGN) {
        previous.sa_handler(signal);
    } else {
        ::sigaction(signal, &previous, nullptr);
        ::raise(signal);  // delivered under the old disposition once this returns
    }
}

void reportFailures(garabel::monkey::EventLog &log)
{
    g_log = &log;
    struct sigaction action = {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    for (const int signal : kFatalSignals)
        ::sigaction(signal, &action, &g_previous[signal]);
}

#endif

long numberAfter(int argc, char **argv, const char *option, long fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            return std::strtol(argv[i + 1], nullptr, 10);
    }
    return fallback;
}

} // namespace

int main(int argc, char **argv)
{
    const auto seed = unsigned(numberAfter(argc, argv, "--seed", long(std::time(nullptr))));
    const long events = numberAfter(argc, argv, "--events", 3000);
    std::printf("monkey: seed %u, %ld events\n", seed, events);
    std::fflush(stdout);

    QApplication app(argc, argv);
    garabel::installSpanishTranslations(app);
    garabel::monkey::EventLog log(seed);
    log.setEcho(QCoreApplication::arguments().contains(QStringLiteral("--verbose")));
    reportFailures(log);

    garabel::monkey::MonkeyPlatform platform(log);
    garabel::MainWindow window(platform);
    platform.setDialogParent(&window);
    window.showOnScreen();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        std::fprintf(stderr, "monkey: the window did not become active; keys may go nowhere\n");

    garabel::monkey::Driver *running = nullptr;
    // The driver's timer dismisses dialogs; should a dialog's loop ever keep it
    // from firing, the watchdog asks again through a posted call.
    garabel::monkey::Watchdog watchdog(log, std::chrono::seconds(10), [&running] {
        QMetaObject::invokeMethod(qApp, [&running] {
            if (running)
                running->dismissModal();
        }, Qt::QueuedConnection);
    });
    garabel::monkey::Driver driver(window, log, watchdog, seed, events);
    running = &driver;
    driver.start();
    const int code = app.exec();
    running = nullptr;
    // Sheets with a stored drawing show that the input reached the program.
    int drawn = 0;
    const garabel::WindowProbe probe(window);
    for (int i = 0; i < garabel::kSheetCount; ++i)
        drawn += !probe.sheetImage(i).image().isNull();
    std::printf("monkey: passed, seed %u, %ld events, %d of 10 sheets drawn on\n", seed, log.count(), drawn);
    return code;
}
