// The four list actions on a full list: 65,535 passwords of 16 characters.
#include "window/app/ZolvenarMainForm.h"
#include "window/toolkit/Clipboard.h"
#include "window/toolkit/MessageBoxes.h"
#include "window/toolkit/SaveFileDialog.h"
#include "window/widgets/ResultsList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int itemCount = 65535;
constexpr int passwordLength = 16;

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    }
    return -1;
}

void fill(QListWidget *list)
{
    QStringList passwords;
    passwords.reserve(itemCount);
    QString password(passwordLength, QLatin1Char('a'));
    for (int i = 0; i < itemCount; ++i) {
        for (int c = 0; c < passwordLength; ++c)
            password[c] = QLatin1Char(static_cast<char>(33 + (i * 7 + c * 13) % 94));
        passwords.append(password);
    }
    // One item per password, as a run appends them.
    for (const QString &text : passwords)
        list->addItem(text);
}

double seconds(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e9;
}

void report(const char *what, double value, const char *goal)
{
    std::printf("%-42s %8.3f s   (goal %s)\n", what, value, goal);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    MessageBoxes::setQuestionHook([](const QString &, const QString &) { return true; });
    const QString path = dir.filePath(QStringLiteral("Password.txt"));
    SaveFileDialog::setHook([&path](SaveFileDialog &dialog) {
        dialog.fileName = path;
        return true;
    });

    ZolvenarMainForm form;
    form.show();
    QApplication::processEvents();
    const long before = residentKilobytes();
    const double fillTime = seconds([&form] { fill(form.listResult); });
    form.setOptionsEnabled(true);
    form.unsavedPasswords = true;
    const long after = residentKilobytes();

    std::printf("%d passwords of %d characters, platform %s\n", itemCount, passwordLength,
        qPrintable(QApplication::platformName()));
    report("fill the list (not an action)", fillTime, "-");
    report("select all", seconds([&form] { form.selectAllClick(); }), "< 0.2 s");
    report("copy to clipboard", seconds([&form] { form.copyClick(); }), "< 0.3 s");
    report("save to file", seconds([&form] { form.saveClick(); }), "< 0.3 s");
    std::printf(
        "%-42s %8ld KB  (%ld KB before filling; goal < 80 MB)\n", "resident memory with the list", after, before);
    std::printf("saved file %lld bytes, clipboard %lld bytes\n", static_cast<long long>(QFile(path).size()),
        static_cast<long long>(Clipboard::text().size()));
    report("delete all (with pending messages)", seconds([&form] { form.deleteClick(); }), "< 2 s");
    std::printf("items left %d\n", form.listResult->count());

    // Not a goal: a scattered selection, every tenth item. (Qt's model never shrinks
    // its table of persistent indexes once a selection of many ranges grew it, and
    // scans that table on every removal, so very scattered selections cost more.)
    fill(form.listResult);
    form.setOptionsEnabled(true);
    {
        // Scoped: a selection held here would keep its persistent indexes alive.
        QItemSelection scattered;
        for (int row = 0; row < form.listResult->count(); row += 10)
            scattered.select(form.listResult->model()->index(row, 0), form.listResult->model()->index(row, 0));
        form.listResult->selectionModel()->select(scattered, QItemSelectionModel::Select);
    }
    report("delete every tenth item (6,554 ranges)", seconds([&form] { form.deleteClick(); }), "-");
    std::printf("items left %d\n", form.listResult->count());
    return 0;
}
