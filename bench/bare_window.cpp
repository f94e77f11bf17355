// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The yardstick for start-up: a bare Qt Widgets window of about the launcher's
// weight, shown at once.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Bare");
    w.menuBar()->addMenu("&Opzioni")->addAction("Uno");
    w.menuBar()->addMenu("&Help")->addAction("Due");
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    for (const char* t : {"Uno", "Due", "Tre"}) layout->addWidget(new QLabel(t));
    layout->addWidget(new QLineEdit("ANONIMO"));
    layout->addWidget(new QPushButton("&Help"));
    layout->addWidget(new QPushButton("&Fine"));
    w.setCentralWidget(central);
    w.show();
    return app.exec();
}
