#pragma once
// Helpers for the selection tests: a catalog from names, hooks that record what the
// selection asks of the rest of the program, a scripted prompt, a data folder copied
// from the default kit, and element files written from one real two-line set.

#include "ElementCatalog.h"
#include "KitDataFolder.h"
#include "SatSelection.h"

#include <QDir>
#include <QFile>
#include <ostream>

namespace kelvora::selectiontest {

inline TElementCatalog CatalogOf(const QStringList& names, const std::string& source = "test.txt") {
    std::vector<TCatalogEntry> entries;
    for (const QString& name : names) {
        TCatalogEntry e;
        e.Name = name.toLatin1().toStdString();
        entries.push_back(e);
    }
    TElementCatalog catalog;
    catalog.ReplaceEntries(std::move(entries));
    catalog.SetSource(source);
    return catalog;
}

inline QList<TSelectionEntry> EntriesOf(const QStringList& names) {
    QList<TSelectionEntry> entries;
    for (const QString& n : names) entries.append({n, false});
    return entries;
}

// Every hook writes one line "Name(args)" into Log, in calling order.
struct TRecordingHooks {
    QStringList Log;
    bool Forced = false;
    double MeanMotionValue = 15.5;
    TSelectionHooks Hooks;

    TRecordingHooks() {
        auto note = [this](const char* name) { return [this, name] { Log << name; }; };
        Hooks.SetLetterHint = [this](int l, const QString& h) { Log << QString("Hint(%1,%2)").arg(l).arg(h); };
        Hooks.PaintLettersSilver = note("PaintLettersSilver");
        Hooks.EnableLetters = [this](int n) { Log << QString("EnableLetters(%1)").arg(n); };
        Hooks.SetCaption = [this](const QString& c) { Log << "Caption(" + c + ")"; };
        Hooks.SetStatusPanel = [this](int p, const QString& t) { Log << QString("Panel%1(%2)").arg(p).arg(t); };
        Hooks.ShowSatName = [this](const QString& t) { Log << "SatName(" + t + ")"; };
        Hooks.BlankFrequencyDisplays = note("BlankFrequencyDisplays");
        Hooks.SetPreviewStep = [this](int m, const QString& t) { Log << QString("PreviewStep(%1,%2)").arg(m).arg(t); };
        Hooks.LetterColoursForced = [this] { return Forced; };
        Hooks.ForceLetterColours = [this] {
            Forced = true;
            Log << "ForceLetterColours";
        };
        Hooks.ClearMapRedrawCounter = note("ClearMapRedrawCounter");
        Hooks.ClearWarmUp = note("ClearWarmUp");
        Hooks.RestartMainTimer = note("RestartMainTimer");
        Hooks.ActiveSatelliteChosen = note("ActiveSatelliteChosen");
        Hooks.LookupSquint = [this](int s, const QString& n) { Log << QString("LookupSquint(%1,%2)").arg(s).arg(n); };
        Hooks.MeanMotion = [this](int) { return MeanMotionValue; };
    }
    QStringList Take() {
        QStringList taken = Log;
        Log.clear();
        return taken;
    }
};

using ScriptedPrompt = kelvora::test::ScriptedPrompt;
using SelectionDataFolder = kelvora::test::KitDataFolder;

// A three-line element file: every name gets the same real set (AO-7, 2024-02-11).
inline QByteArray ThreeLineFile(const QStringList& names) {
    QByteArray bytes;
    for (const QString& name : names) {
        bytes += name.toLatin1() + "\r\n";
        bytes += "1 07530U 74089B   24042.90715712 -.00000045  00000+0  76181-5 0  9994\r\n";
        bytes += "2 07530 101.9722  36.4033 0012082 326.5448 104.0552 12.53672066253211\r\n";
    }
    return bytes;
}

// Group file bytes from "name+" / "name-" items.
inline QByteArray GroupFileOf(const QStringList& items) {
    QByteArray bytes;
    for (const QString& item : items) bytes += item.chopped(1).toLatin1() + "\r\n" + item.right(1).toLatin1() + "\r\n";
    return bytes;
}

}  // namespace kelvora::selectiontest

namespace kelvora {
inline void PrintTo(const TSelectionEntry& e, std::ostream* os) {
    *os << e.Name.toStdString() << (e.MapMarker ? "+" : "-");
}
}  // namespace kelvora
