// The floor for start-up: a bare Qt program that shows one window of the
// welcome window's size with a banner picture and a long text box, and ends
// as soon as that window has been painted.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include "first_paint.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(613, 403);
    auto* banner = new QLabel(&window);
    banner->setGeometry(16, 8, 611, 210);
    banner->setScaledContents(true);
    banner->setPixmap(QPixmap(QStringLiteral(":/minimal/banner.png")));
    auto* text = new QPlainTextEdit(&window);
    text->setGeometry(8, 272, 313, 123);
    QString terms;
    for (int i = 0; i < 140; ++i)
        terms += QStringLiteral("These are the terms of use of a practice program, line %1.\n").arg(i);
    text->setPlainText(terms);
    window.show();
    new QuitAfterFirstPaint(&window);
    return QApplication::exec();
}
