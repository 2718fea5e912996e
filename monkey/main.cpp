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

#include "app/Form1.h"
#include "platform/Surface.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QTest>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

garabel::monkey::EventLog *g_log = nullptr;

void onFatalSignal(int signal)
{
    if (g_log)
        g_log->dump(strsignal(signal));
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void onSanitizerReport()
{
    if (g_log)
        g_log->dump("a sanitizer report");
}

void reportFailures(garabel::monkey::EventLog &log)
{
    g_log = &log;
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        std::signal(signal, onFatalSignal);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(onSanitizerReport);
#else
    (void)onSanitizerReport;
#endif
}

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
    garabel::Form1 window(platform);
    platform.setDialogParent(&window);
    window.Form_Load();
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
    for (const auto &sheet : window.Picture2)
        drawn += !sheet->image().isNull();
    std::printf("monkey: passed, seed %u, %ld events, %d of 10 sheets drawn on\n", seed, log.count(), drawn);
    return code;
}
