// The engine's state for tests that drive the voice pool and the voice renderer directly,
// without TeInit: tables at a sample rate, an empty voice table, silent voices.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include "library/engine/engine.h"
#include "library/frame/frame.h"
#include "library/frame/state.h"

class EngineTest : public ::testing::Test {
protected:
    void TearDown() override { ClearVoiceTable(); }

    // Polyphony 8, master level 16, every channel at the given volume with full expression,
    // program 0, no bend and a bend range of 2; no voice sounds and no counter has counted.
    static void ResetEngine(std::int32_t sampleRate, std::uint8_t channelVolume) {
        g.sampleRate = sampleRate;
        g.polyLimit.store(8);
        BuildEngineTables();
        BuildVolumeTable(16);
        for (ChannelState& c : g.channels) c = {0, channelVolume, 15, 0.0, 2, 127, 127};
        for (Voice& v : g.voices) ClearVoice(v);
        ClearVoiceTable();
        g.activeVoices = g.requestedNotes = g.peakVoices = g.peakRequests = 0;
    }

    // Frees what tests allocated for tone and drum entries and empties them.
    static void ClearVoiceTable() {
        for (TONEENTRY& t : g.toneTable) {
            std::free(t.sampleData);
            t = {};
        }
        for (DRUMENTRY& d : g.drumTable) {
            std::free(d.sampleData);
            d = {};
        }
    }
};
