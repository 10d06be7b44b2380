#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Shows a window and waits until it is active: shortcuts and real message boxes need an
// active window.
void showActive(QWidget& w);

// For tests that go through real modal windows: arms a timer that waits for the next modal
// window to appear and hands it to `act` (which must close it).
void whenModalAppears(std::function<void(QWidget* modal)> act);

// Clicks the push button of a modal window whose text, without '&', is `text`.
void clickButton(QWidget* modal, const QString& text);

// While alive, answers every real message box that opens by pressing Enter on it (its
// default button), and keeps the texts and titles in the order the boxes appeared.
class BoxAnswerer
{
public:
    BoxAnswerer();
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    QStringList titles;
    QStringList texts;

private:
    class QTimer* poll_;
};
