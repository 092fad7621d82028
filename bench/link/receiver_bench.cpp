// Receiver throughput: a full load's worth of replies (pages, names, system values, acks)
// fed through the receiver, whole or in serial-driver-sized pieces.
#include <benchmark/benchmark.h>

#include "core/model.h"
#include "link/frame.h"
#include "link/receiver.h"

namespace {

using aec::Bytes;

void append(Bytes& stream, const Bytes& unit) {
    stream.insert(stream.end(), unit.begin(), unit.end());
}

Bytes pageFrame(int page, int first, int count) {
    Bytes payload;
    for (int s = 0; s < count; ++s) {
        payload.push_back(static_cast<uint8_t>(page + s));
        payload.push_back(0);
    }
    return aec::buildFrame(aec::kReadCommand, aec::makeAddress(page, first), payload);
}

// What the processor sends during one full load, plus an acknowledgement per reply.
Bytes fullLoadStream() {
    Bytes stream;
    const Bytes ack = {aec::kAckStartByte, aec::kAckByteBB};
    append(stream, pageFrame(0, 0, 112));
    append(stream, pageFrame(0, 112, 52));
    for (int page = 1; page < 30; ++page) {
        append(stream, pageFrame(page, 0, aec::pageSlotCount(page)));
        append(stream, ack);
    }
    const Bytes name = {'K', 'a', 'r', 'a', 'o', 'k', 'e'};
    for (int i = 0; i < aec::kModeCount; ++i) {
        append(stream, aec::buildFrame(aec::kReadCommand, aec::kModeNameAddress, name));
    }
    for (int slot : {1, 2, 3, 4, 8}) {
        append(stream, aec::buildValueFrame(aec::kReadCommand, aec::makeAddress(30, slot), 1));
    }
    return stream;
}

void BM_ReceiverFullLoad(benchmark::State& state) {
    const Bytes stream = fullLoadStream();
    const auto chunk = static_cast<size_t>(state.range(0));
    aec::Model model;
    aec::LinkState link;
    aec::Receiver receiver(model, link);
    for (auto _ : state) {
        for (size_t pos = 0; pos < stream.size(); pos += chunk) {
            receiver.feed(std::span(stream).subspan(pos, std::min(chunk, stream.size() - pos)));
        }
        model.diagnosticLog.clear();
    }
    benchmark::DoNotOptimize(model.paramStore());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * stream.size()));
}
BENCHMARK(BM_ReceiverFullLoad)->Arg(1)->Arg(32)->Arg(1024)->Arg(1 << 20);

// Line noise: mostly bytes that start nothing, with stray start bytes among them.
void BM_ReceiverNoise(benchmark::State& state) {
    Bytes noise(size_t{64} * 1024);
    uint32_t x = 12345;
    for (uint8_t& b : noise) {
        x = x * 1103515245u + 12345u;
        b = static_cast<uint8_t>(x >> 16);
    }
    aec::Model model;
    aec::LinkState link;
    aec::Receiver receiver(model, link);
    for (auto _ : state) {
        receiver.feed(noise);
        model.diagnosticLog.clear();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * noise.size()));
}
BENCHMARK(BM_ReceiverNoise);

}  // namespace
