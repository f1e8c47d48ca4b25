#include "window/toolkit/ErrorWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QString ErrorWindow::message()
{
    return tr("An application exception has occured. Click Continue to allow the application to ignore this error "
              "and attempt to continue.");
}

ErrorWindow::ErrorWindow(const QString &errorText, QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("errorWindow"));
    setWindowTitle(QApplication::applicationName());
    setModal(true);

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    auto *text = new QLabel(message(), this);
    text->setObjectName(QStringLiteral("errorMessage"));
    text->setWordWrap(true);
    auto *details = new QPlainTextEdit(errorText, this);
    details->setObjectName(QStringLiteral("errorText"));
    details->setReadOnly(true);

    continueBox = new QPushButton(tr("&Continue"), this);
    continueBox->setDefault(true);
    quitBox = new QPushButton(tr("&Quit"), this);
    connect(continueBox, &QPushButton::clicked, this, &QDialog::accept);
    connect(quitBox, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(continueBox);
    buttons->addWidget(quitBox);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(details, 1);
    all->addLayout(buttons);
    resize(440, 260);
}

bool ErrorWindow::ask()
{
    bool quit = false;
    // Escape and the title bar's close button mean "carry on", only Quit ends the program.
    connect(quitBox, &QPushButton::clicked, this, [&quit] { quit = true; });
    exec();
    return !quit;
}
