#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

// The save-file dialog, configured field by field like the platform's own.
class SaveFileDialog
{
    Q_DECLARE_TR_FUNCTIONS(SaveFileDialog)

public:
    QString title;
    QString filter; // "label|pattern|label|pattern"
    QString fileName; // initial name; the chosen path after show()
    QString defaultExtension; // a leading full stop is dropped
    bool overwritePrompt = true;
    bool createPrompt = false;

    // Modal; true when the user confirmed with OK. Throws "Invalid file name" for
    // an initial name of 261 characters or more.
    bool show(QWidget *owner);

    // Test hook: answers instead of the dialog (true = OK, and may set fileName).
    using Hook = std::function<bool(SaveFileDialog &dialog)>;
    static void setHook(Hook hook);

    // The filter in Qt's form: "label (pattern);;label (pattern)".
    QString qtFilter() const;
    // The default extension as Qt wants it, without a leading full stop.
    QString defaultSuffix() const;
};
