#include "ShippedStructure.h"

#include <QHash>

namespace ShippedStructure {

PaperShape shapeOf(int key)
{
    // Typed-answer papers: questions and slots.
    static const QHash<int, PaperShape> typed{
        {105, {false, 24, 79}}, {110, {false, 19, 77}}, {115, {false, 19, 78}}, {120, {false, 22, 79}},
        {125, {false, 21, 78}}, {130, {false, 25, 80}}, {135, {false, 23, 80}}, {139, {false, 8, 30}},
        {140, {false, 7, 30}},  {145, {false, 25, 80}}, {149, {false, 9, 30}},  {150, {false, 7, 30}}};
    if (typed.contains(key))
        return typed.value(key);
    const bool twenty = (key >= 136 && key <= 138) || (key >= 146 && key <= 148);
    const int n = twenty ? 20 : 30;
    return {true, n, n};
}

const QStringList &topicNames()
{
    static const QStringList names{
        QStringLiteral("Human Body Systems"),
        QStringLiteral("Matter and Changes in States"),
        QStringLiteral("Electricity and Magnets"),
        QStringLiteral("Life"),
        QStringLiteral("Energy, Light and Heat"),
        QStringLiteral("Animals"),
        QStringLiteral("Plants"),
        QStringLiteral("Solar System"),
        QStringLiteral("Forces and Simple Machines"),
        QStringLiteral("Saving Our Earth")};
    return names;
}

} // namespace ShippedStructure
