#pragma once

#include "Diagnostics.h"
#include "QuizModel.h"
#include "SourceLines.h"

#include <QByteArray>

// Parses one paper file of the quiz source format. Every error is reported
// with its line; the paper returned then holds what could be read.
class PaperParser
{
public:
    explicit PaperParser(Diagnostics &diagnostics) : m_diag(diagnostics) {}

    Quiz::Paper parse(const QString &path, int key, const QByteArray &bytes);

private:
    // The lines of a question, each trimmed.
    void parseQuestion(const QList<SourceLine> &lines, Quiz::Question &q);
    void parseMultipleChoice(const QList<SourceLine> &lines, Quiz::Question &q);
    void parseStructured(const QList<SourceLine> &lines, Quiz::Question &q);
    void parseAnswerLine(const SourceLine &line, Quiz::Part &part);
    bool checkKeyText(const QString &key, bool allowSemicolon, int line);
    void checkQuestion(const Quiz::Question &q);

    // Collects the text, picture and table lines of a stem or part.
    class BlockCollector;

    void error(int line, const QString &message) { m_diag.error(m_path, line, message); }

    Diagnostics &m_diag;
    QString m_path;
};
