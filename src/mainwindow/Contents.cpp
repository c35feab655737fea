#include "Contents.h"

#include "ResultsStore.h"
#include "Startup.h"

Contents::Contents(Workspace workspace, QWidget *parent)
    : QWidget(parent), m_workspace(std::move(workspace))
{
}

void Contents::Form_Load()
{
    Startup::ExtractGraphics(m_workspace);
    m_config = ProgramConfig::read(m_workspace);
    CheckResultsFiles(m_workspace, m_config);
    setWindowTitle(m_config.name);
}
