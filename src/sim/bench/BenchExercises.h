#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Fluke45Bench;

// One exercise on the Fluke 45 bench, as data: what the student is asked, three hints of
// growing help and a judge of the bench and the meter (never of the keys pressed). The
// solution's keys depend on the bench (the index of a circuit, of a test point), so they
// are made from it, from the state `keysBeforeSequence` leaves.
struct BenchExercise {
    QString statement;
    QString whichKeys;      // hint 1
    QList<int> keysToLight; // hint 2: the meter's and the generator's keys, as BenchKey ids
    QString sequenceText;   // hint 3, in words; the keys' listing follows it
    std::function<QList<int>(const Fluke45Bench&)> sequence;
    std::function<QStringList(const Fluke45Bench&)> differences;
};

// The twelve exercises, in the order the practice offers them.
const QList<BenchExercise>& benchExercises();

// What the keys that bring the bench to a solution's start ask of a student, in sentences:
// "Enciende el multímetro con POWER. Cambia el fusible fundido…"; empty when none.
QString benchPreparation(const QList<int>& keysBefore);

// A solution's keys in words, a repeated key once with its count: "Circuito: Pila…;
// Fuente: tensión +1 V (×12); Multímetro: V DC".
QString benchKeyListing(const Fluke45Bench& bench, const QList<int>& keys);
