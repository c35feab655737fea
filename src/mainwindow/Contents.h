#pragma once

#include "ProgramConfig.h"
#include "Workspace.h"

#include <QWidget>

// The main window: module and Help tabs, toolbar and the four panels.
class Contents : public QWidget
{
    Q_OBJECT
public:
    explicit Contents(Workspace workspace, QWidget *parent = nullptr);

    // Start-up: pictures, configuration, results files, captions, timer, first
    // module.
    void Form_Load();

    const Workspace &workspace() const { return m_workspace; }
    const ProgramConfig &config() const { return m_config; }

private:
    Workspace m_workspace;
    ProgramConfig m_config;
};
