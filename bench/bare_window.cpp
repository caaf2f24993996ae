// SPDX-License-Identifier: GPL-3.0-or-later
#include "bare_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <sstream>

std::unique_ptr<QMainWindow> BareWindow(const WidgetKinds& kinds)
{
    const std::map<std::string, std::function<QWidget*(QWidget*)>> make = {
        {"QPushButton", [](QWidget* p) { return new QPushButton("Button", p); }},
        {"QToolButton", [](QWidget* p) { return new QToolButton(p); }},
        {"QLabel", [](QWidget* p) { return new QLabel("Label", p); }},
        {"QCheckBox", [](QWidget* p) { return new QCheckBox("Check", p); }},
        {"QSpinBox", [](QWidget* p) { return new QSpinBox(p); }},
        {"QDoubleSpinBox", [](QWidget* p) { return new QDoubleSpinBox(p); }},
        {"QComboBox",
         [](QWidget* p) {
             auto* c = new QComboBox(p);
             c->addItems({"One", "Two", "Three"});
             return c;
         }},
        {"QSlider", [](QWidget* p) { return new QSlider(Qt::Horizontal, p); }},
        {"QProgressBar", [](QWidget* p) { return new QProgressBar(p); }},
        {"QTreeWidget", [](QWidget* p) { return new QTreeWidget(p); }},
        {"QTextBrowser", [](QWidget* p) { return new QTextBrowser(p); }},
        {"QGroupBox", [](QWidget* p) { return new QGroupBox("Group", p); }},
        {"QLineEdit", [](QWidget* p) { return new QLineEdit(p); }},
        {"QListWidget", [](QWidget* p) { return new QListWidget(p); }},
        {"QTabWidget", [](QWidget* p) { return new QTabWidget(p); }},
        {"QScrollArea", [](QWidget* p) { return new QScrollArea(p); }},
        {"QSplitter", [](QWidget* p) { return new QSplitter(p); }},
        {"QWidget", [](QWidget* p) { return new QWidget(p); }},
    };
    auto window = std::make_unique<QMainWindow>();
    auto* central = new QWidget(window.get());
    auto* grid = new QGridLayout(central);
    int at = 0;
    for (const auto& [kind, count] : kinds) {
        const auto maker = make.find(kind);
        if (maker == make.end())
            continue;
        for (int k = 0; k < count; ++k, ++at)
            grid->addWidget(maker->second(central), at / 6, at % 6);
    }
    window->setCentralWidget(central);
    const auto docks = kinds.find("QDockWidget");
    for (int k = 0; docks != kinds.end() && k < docks->second; ++k)
        window->addDockWidget(Qt::LeftDockWidgetArea, new QDockWidget("Panel", window.get()));
    for (const char* title : {"&File", "&View", "&Recitor", "&Help"})
        window->menuBar()->addMenu(title)->addAction("Item");
    window->statusBar()->showMessage("Ready");
    return window;
}

std::string WriteKinds(const WidgetKinds& kinds)
{
    std::string text;
    for (const auto& [kind, count] : kinds)
        text += kind + ' ' + std::to_string(count) + '\n';
    return text;
}

WidgetKinds ReadKinds(const std::string& text)
{
    WidgetKinds kinds;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string kind;
        int count = 0;
        if (fields >> kind >> count && count > 0)
            kinds[kind] = count;
    }
    return kinds;
}
