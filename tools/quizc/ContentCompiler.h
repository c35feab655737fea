#pragma once

#include "ConfigFile.h"
#include "Diagnostics.h"
#include "ModuleSource.h"
#include "QuizModel.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>

#include <memory>

// Turns a quiz source tree (config.txt, module<n>/paper<key>.txt,
// pictures/*.svg) into the program's content resources by id: the
// configuration, per module the paper lists, answer key, slot kinds, slot
// values and results templates, and one page archive per question.
class ContentCompiler
{
public:
    struct Options {
        // The structure checks of the shipped "Practice" module.
        bool shipped = false;
    };

    static constexpr int kFirstQuestionId = 16001;
    static constexpr int kConfigId = 30000;

    explicit ContentCompiler(Options options) : m_options(options) {}

    // False when the source has errors; nothing is produced then.
    bool compile(const QString &quizDir);
    const Diagnostics &diagnostics() const { return m_diag; }
    const QMap<int, QByteArray> &resources() const { return m_resources; }
    // The papers compiled into the resources, by module, in key order.
    const QMap<int, QList<Quiz::Paper>> &papers() const { return m_papers; }

    // One file per resource named by its id, and resources.qrc listing them
    // under the prefix /res.
    bool write(const QString &outDir, QString *error) const;

private:
    QList<Quiz::Paper> readModule(int module);
    void checkModuleConfig(int module, const QList<Quiz::Paper> &papers);
    void checkShippedShape(const Quiz::Paper &paper);
    void emitModule(int module, const QList<Quiz::Paper> &papers, int &nextId);

    Options m_options;
    QString m_dir;
    Diagnostics m_diag;
    ConfigFile m_config;
    std::unique_ptr<ModuleSource> m_source;
    QMap<int, QList<Quiz::Paper>> m_papers;
    QMap<int, QByteArray> m_resources;
};
