#pragma once

#include "BrowserModule.h"
#include "PaperWindows.h"
#include "ProgramConfig.h"
#include "ResultsStore.h"
#include "Startup.h"
#include "frmPopUp.h"
#include "support/FakePaperHost.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// What the paper-window suites share: a fresh workspace with pictures and
// template results files, a fake main window, and the pop-up's answer field.
class PaperTestBed
{
protected:
    Workspace ws() const { return Workspace(m_dir->path()); }

    void setUpBed()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        Startup::ExtractGraphics(ws());
        QVERIFY(ResetResultsFiles(ws(), ProgramConfig::read(ws())));
        m_host = std::make_unique<FakePaperHost>(ws());
        m_windows = std::make_unique<PaperWindows>(*m_host);
        m_response = std::make_unique<QLineEdit>();
        frmPopUp::setResponseField(m_response.get());
        frmPopUp::clearNextAnswers();
    }

    void closeAll()
    {
        m_windows->closePaperWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void tearDownBed()
    {
        closeAll();
        m_windows.reset();
        m_host.reset();
        BrowserModule::setFactory({});
        m_dir.reset();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePaperHost> m_host;
    std::unique_ptr<PaperWindows> m_windows;
    std::unique_ptr<QLineEdit> m_response;
};
