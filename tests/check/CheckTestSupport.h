#pragma once
// Small data sets for the data-check and printout tests, built with the
// records' own constructors and setters, and a sink that records a run.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "check/core/CheckSink.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "platform/Text1252.h"
#include "records/ExSpieler.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace v3test {

// Records everything a run shows, in order.
struct RecordingSink : v3::ICheckSink {
    void PercentText(const std::string& t) override { percents.push_back(t); }
    void ProgressRange(int lower, int upper, int) override { range = {lower, upper}; }
    void ProgressPos(int pos) override { positions.push_back(pos); }
    void Status(const std::string& t) override { statuses.push_back(t); }
    void AddLine(const std::string& line) override { lines.push_back(line); }
    void SelectLine(size_t index) override { selected.push_back(index); }
    void Finished(uint64_t runId) override {
        ++finished;
        finishedId = runId;
    }

    std::vector<std::string> percents, statuses, lines;
    std::vector<int> positions;
    std::vector<size_t> selected;
    std::pair<int, int> range{-1, -1};
    int finished = 0;
    uint64_t finishedId = 0;
};

// A fresh state with a seeded random source and an empty data set that the
// helpers fill. Every record gets unique placeholder names from its
// constructor, so only the names a test sets can meet.
class CheckData {
public:
    CheckData() { state_->SetRandom(&rng_); }

    v3::CLand& Land(int index) {
        auto& laender = v3::Daten().AlleLaender;
        if (laender.size() <= size_t(index)) laender.resize(size_t(index) + 1);
        if (!laender[size_t(index)]) {
            state_->AktuellesLand = index;
            laender[size_t(index)] = std::make_unique<v3::CLand>();
            laender[size_t(index)]->CountryIndex(index);
        }
        return *laender[size_t(index)];
    }
    v3::CVerein& Club(int land, const std::string& name) {
        v3::CLand& l = Land(land);
        state_->AktuellesLand = land;
        auto c = std::make_unique<v3::CVerein>(int(l.VereinsListe().size()) + 1);
        EXPECT_TRUE(c->Name(name));
        c->LandNr(land);
        c->Stadion(std::make_unique<v3::CStadion>());
        l.VereinsListe().push_back(std::move(c));
        return *l.VereinsListe().back();
    }
    static v3::CSpieler& Player(v3::CVerein& club, const std::string& vorname, const std::string& nachname,
                                int position = 3, int staerke = 7) {
        auto s = std::make_unique<v3::CSpieler>();
        EXPECT_TRUE(s->Vorname(vorname));
        EXPECT_TRUE(s->Nachname(nachname));
        EXPECT_TRUE(s->Hauptposition(position));
        EXPECT_TRUE(s->Staerke(staerke));
        club.SpielerListe().push_back(std::move(s));
        return *club.SpielerListe().back();
    }
    template <class T>
    static T& Person(std::vector<std::unique_ptr<T>>& pool, const std::string& vorname, const std::string& nachname) {
        pool.push_back(std::make_unique<T>());
        pool.back()->Vorname(vorname);
        pool.back()->Nachname(nachname);
        return *pool.back();
    }
    v3::CExSpieler& FormerPlayer(const std::string& vorname, const std::string& nachname) {
        auto s = std::make_unique<v3::CExSpieler>();
        EXPECT_TRUE(s->Vorname(vorname));
        EXPECT_TRUE(s->Nachname(nachname));
        v3::Daten().ExSpielerListe.push_back(std::move(s));
        return *v3::Daten().ExSpielerListe.back();
    }
    v3::AppState& State() { return *state_; }

private:
    v3::ScopedAppState state_;
    v3::StdRandom rng_{7};
};

}  // namespace v3test
