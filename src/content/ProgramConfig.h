#pragma once

#include <QString>
#include <QStringList>

#include <array>

class Workspace;

struct ModuleConfig {
    QString label;          // tab caption; empty means the module is absent
    int topicCount = 0;     // at most 10
    int paperCount = 0;     // at most 50, five per topic
    QStringList topicNames; // topicCount entries
    QString folder;         // a teacher's module: its folder's name; else empty

    bool present() const { return !label.isEmpty(); }
};

// The program configuration (resource 30000), held for the whole run.
struct ProgramConfig {
    QString name; // NME
    QString code; // COD
    std::array<ModuleConfig, 3> modules;
    // Why read() found nothing: ExtractResource's error number, 0 when it
    // wrote the file.
    int extractError = 0;

    // n is 1..3; any other number gives an absent module.
    const ModuleConfig &module(int n) const;
    // 1..3, or 0 when no module is present.
    int firstPresentModule() const;

    static constexpr int kConfigResource = 30000;
    static constexpr int kMaxTopics = 10;
    static constexpr int kMaxPapers = 50;

    // Reads the configuration through "temptext30000.txt", which is deleted
    // afterwards. An unreadable resource leaves the configuration empty.
    static ProgramConfig read(const Workspace &workspace);
    // Reads an already written configuration file.
    static ProgramConfig readFile(const QString &path);
};
