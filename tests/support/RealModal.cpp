#include "RealModal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

void whenModalAppears(std::function<void(QWidget* modal)> act)
{
    auto* poll = new QTimer;
    auto seen = QApplication::activeModalWidget();
    QObject::connect(poll, &QTimer::timeout, [poll, act, seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == seen)
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start(10);
}

void showActive(QWidget& w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

void clickButton(QWidget* modal, const QString& text)
{
    for (QAbstractButton* b : modal->findChildren<QAbstractButton*>()) {
        if (b->text().remove(QLatin1Char('&')) == text) {
            b->click();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no button \"%1\" on the modal window").arg(text)));
}

BoxAnswerer::BoxAnswerer() : poll_(new QTimer)
{
    QObject::connect(poll_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        titles.append(box->windowTitle());
        texts.append(box->text());
        QTest::keyClick(box, Qt::Key_Return);
    });
    poll_->start(5);
}

BoxAnswerer::~BoxAnswerer()
{
    delete poll_;
}
