#pragma once

#include <QWidget>

#include <functional>

// Finds the program's own top-level windows, modal ones included, from the event loop.
class ModalWatch
{
public:
    // The first visible top-level window of this type, or null.
    template <typename Window> static Window *visible()
    {
        return static_cast<Window *>(visible(Window::staticMetaObject));
    }
    // Acts on that window once it is open; polling from the event loop reaches
    // a window whose own modal loop is running.
    template <typename Window> static void whenOpen(std::function<void(Window &)> action)
    {
        whenOpen(Window::staticMetaObject,
            [action = std::move(action)](QWidget &window) { action(static_cast<Window &>(window)); });
    }

private:
    static QWidget *visible(const QMetaObject &type);
    static void whenOpen(const QMetaObject &type, std::function<void(QWidget &)> action);
};
