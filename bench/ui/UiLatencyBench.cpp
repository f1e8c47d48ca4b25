// How late a 5 ms timer fires on the window's thread while 99 generators deliver
// into a run whose reports are posted to that thread.
#include "core/toolkit/Threads.h"
#include "window/app/MouseTrack.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/toolkit/MessageBoxes.h"
#include "window/toolkit/ZolvenarApplication.h"
#include "window/widgets/IntComboBox.h"
#include "window/widgets/ResultsList.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int intervalMs = 5;
constexpr int measureMs = 3000;

std::vector<double> latenessDuring(ZolvenarMainForm *form, const char *strength)
{
    if (form) {
        form->comboPassCount->setEditText(QStringLiteral("65535"));
        form->comboPassStrength->setEditText(QString::fromLatin1(strength));
        form->comboGens->setEditText(QStringLiteral("99"));
        form->generateClick();
    }
    std::vector<double> lateness;
    QElapsedTimer clock;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    qint64 last = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        lateness.push_back(std::max(0.0, (now - last) / 1e6 - intervalMs));
        last = now;
    });
    QEventLoop loop;
    QTimer::singleShot(measureMs, &loop, &QEventLoop::quit);
    clock.start();
    timer.start(intervalMs);
    loop.exec();
    if (form && form->mouseTrack->running())
        form->generateClick();
    std::sort(lateness.begin(), lateness.end());
    return lateness;
}

void print(const char *what, const std::vector<double> &lateness, int passwords)
{
    const auto at = [&](double share) { return lateness[static_cast<std::size_t>(share * (lateness.size() - 1))]; };
    std::printf("  %-34s p50 %6.2f ms, p99 %6.2f ms, max %6.2f ms (%zu ticks, %d passwords shown)\n", what, at(0.5),
        at(0.99), lateness.back(), lateness.size(), passwords);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")).toUtf8());
    ZolvenarApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    MessageBoxes::setQuestionHook([](const QString &, const QString &) { return true; });
    ZolvenarMainForm form;
    form.show();

    std::printf("Lateness of a %d ms timer on the window's thread, %d s each\n", intervalMs, measureMs / 1000);
    print("idle window", latenessDuring(nullptr, nullptr), 0);
    int before = form.listResult->count();
    auto run = latenessDuring(&form, "200");
    print("99 generators, strength 200", run, form.listResult->count() - before);
    before = form.listResult->count();
    run = latenessDuring(&form, "25");
    print("99 generators, strength 25", run, form.listResult->count() - before);
    Threads::waitForAll();
    return 0;
}
