#include "window/toolkit/SaveFileDialog.h"

#include "window/toolkit/MessageBoxes.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>
#include <QSettings>

#include <stdexcept>

namespace {
SaveFileDialog::Hook hook;

// Qt's dialog records the folders it visited in a settings file of its own; the
// program writes nothing but its settings and the files the user chooses. A
// directory that cannot exist leaves every such write nowhere.
void keepToolkitSettingsNowhere()
{
    const QString nowhere = QStringLiteral("/dev/null");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

// Icons and types by name only. The stock provider reads the first bytes of a file
// whose name does not tell its type, on the user-interface thread as the list
// fills, and a read of /proc/kmsg or a FIFO behind a link waits for ever.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return icon(info.isDir() ? Folder : File);
        const QMimeType type = byName(info);
        return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), icon(File)));
    }

    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType type = byName(info);
        return type.comment().isEmpty() ? type.name() : type.comment();
    }

private:
    QMimeType byName(const QFileInfo &info) const
    {
        return names.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }

    QMimeDatabase names;
};

// Takes a new name or a regular file only: renamed over, a FIFO or a device would
// be gone, and written through, it could block.
class RegularFileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override
    {
        const QFileInfo chosen(selectedFiles().value(0));
        if (chosen.exists() && !chosen.isFile() && !chosen.isDir()) {
            MessageBoxes::showError(
                SaveFileDialog::tr("%1 is not a regular file.\nChoose another name.").arg(chosen.fileName()),
                windowTitle());
            return;
        }
        QFileDialog::accept();
    }
};

} // namespace

bool SaveFileDialog::show(QWidget *owner)
{
    // The longest path the saved file's name may have is 260 characters.
    if (fileName.size() >= 261)
        throw std::runtime_error(tr("Invalid file name").toStdString());
    if (hook)
        return hook(*this);
    keepToolkitSettingsNowhere();
    NameOnlyIconProvider icons;
    RegularFileDialog dialog(owner, title, QString(), qtFilter());
    // A desktop's own dialog adds the file to its list of recent files.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Once Qt's own widgets exist, and before the event loop delivers the first listing.
    dialog.setIconProvider(&icons);
    dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons);
    // The chosen name as typed, so the write sees a link for what it is.
    dialog.setOption(QFileDialog::DontResolveSymlinks);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !overwritePrompt);
    dialog.setDefaultSuffix(defaultSuffix());
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().constFirst();
    return true;
}

void SaveFileDialog::setHook(Hook newHook)
{
    hook = std::move(newHook);
}

QString SaveFileDialog::defaultSuffix() const
{
    return defaultExtension.startsWith(QLatin1Char('.')) ? defaultExtension.mid(1) : defaultExtension;
}

QString SaveFileDialog::qtFilter() const
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // "*.*" means every file, as the label says; to Qt it means only names with
        // a full stop, and it would give a saved file that very extension.
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'));
        for (QString &pattern : patterns) {
            if (pattern.trimmed() == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        const QString pattern = patterns.join(QLatin1Char(';'));
        // A label that already shows its pattern shows Qt's form of it; Qt reads the pattern from it.
        const QString shown = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
        const QString label = parts[i].endsWith(shown) ? parts[i].chopped(shown.size()) : parts[i] + QLatin1Char(' ');
        entries << label + QLatin1Char('(') + pattern + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}
