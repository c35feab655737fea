#pragma once

#include "PaperHost.h"
#include "Workspace.h"

#include <QMap>
#include <QString>

// The main window as a paper window sees it, for suites that open papers
// without the real one: handover fields set by the test, a count of
// RefreshContents calls.
class FakePaperHost : public PaperHost
{
public:
    explicit FakePaperHost(const Workspace &workspace) : m_workspace(workspace) {}

    // Paper `paperKey` (101..115) of module 2 of the test content, whose topic
    // starts at `topicFirst`.
    void choose(int paperKey, int take, int topicFirst, const QString &topicName)
    {
        fields[QStringLiteral("PaperNum")] = QString::number(paperKey);
        fields[QStringLiteral("TakeNum")] = QString::number(take);
        fields[QStringLiteral("TopicCount")] = QString::number(topicFirst);
        fields[QStringLiteral("SubH1")] = topicName;
        fields[QStringLiteral("LChose")] = QStringLiteral("2");
        fields[QStringLiteral("lblCOD")] = QStringLiteral("TY");
        fields[QStringLiteral("TtPapersCon")] = QStringLiteral("15");
    }

    QString field(const QString &name) const override { return fields.value(name); }
    const Workspace &workspace() const override { return m_workspace; }
    void RefreshContents() override { ++refreshes; }

    QMap<QString, QString> fields;
    int refreshes = 0;

private:
    Workspace m_workspace;
};
