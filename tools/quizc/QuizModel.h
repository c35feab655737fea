#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// The quiz source as parsed from one paper file: questions made of text
// blocks, options or parts, and the answer lines that become answer slots.
namespace Quiz {

struct Block {
    enum Type { Paragraph, Table, Picture };
    Type type = Paragraph;
    int line = 0;
    QString text;            // Paragraph: source text, inline tags allowed
    QList<QStringList> rows; // Table: header row first, all rows equally wide
    QString picture;         // Picture: file name in the pictures folder
};

// One "=" line. Kinds T, N and M give one slot; G gives `count` slots.
struct AnswerLine {
    QChar kind;
    int count = 1;
    int marks = 1;            // per slot
    QStringList alternatives; // T and N hold exactly one
    int line = 0;
};

struct Part {
    int line = 0;
    QList<Block> blocks; // the part's text, pictures and tables in order
    QList<AnswerLine> answers;
};

struct Question {
    int line = 0;
    bool multipleChoice = false;
    int marks = 1; // multiple choice: the value of its one slot
    QList<Block> stem;
    QStringList options; // multiple choice: options 1..4
    int answer = 0;      // multiple choice: 1..4
    QList<Part> parts;   // structured questions
};

struct Paper {
    int key = 0; // 101..150
    QString path;
    QList<Question> questions;
};

// One answer slot as the program stores it: kind letter, answer key, marks.
struct Slot {
    QString kind;
    QString key;
    int value = 1;
};

QList<Slot> slotsOf(const Question &question);
int slotCountOf(const Question &question);
int slotCountOf(const Paper &paper);
int slotCountOf(const Part &part);

} // namespace Quiz
