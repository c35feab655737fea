#pragma once

#include <QStringList>

// The shape the shipped "Practice" module (module 2) must have, paper by
// paper, so that its content matches the program's catalogue.
namespace ShippedStructure {

inline constexpr int kModule = 2;

struct PaperShape {
    bool multipleChoice;
    int questions;
    int slotCount;
};

// The required shape of paper key 101..150.
PaperShape shapeOf(int key);
// The ten topic names in topic order.
const QStringList &topicNames();

} // namespace ShippedStructure
