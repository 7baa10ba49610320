// Throughput of the data cipher beside libmcrypt's Rijndael-256, and the time to load a
// dictionary of 100,000 words through NewGame. Prints the speed ratio of the two ciphers.
#include "DataEnvelope.h"
#include "DictionaryFile.h"
#include "QuandelLogic.h"

#include <benchmark/benchmark.h>
#include <mcrypt.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

namespace tilvora {
namespace {

constexpr size_t kBufferSize = 4u << 20;

std::vector<uint8_t> RandomBuffer(size_t size) {
    std::mt19937 generator(42);
    std::vector<uint8_t> buffer(size);
    for (uint8_t& b : buffer) {
        b = static_cast<uint8_t>(generator());
    }
    return buffer;
}

void BM_DecipherFeedback(benchmark::State& state) {
    CRijndael cipher;
    KeyDataCipher(cipher);
    const std::vector<uint8_t> in = RandomBuffer(kBufferSize);
    std::vector<uint8_t> out(kBufferSize);
    for (auto _ : state) {
        cipher.Decipher(in.data(), out.data(), in.size(), cmFeedback);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBufferSize));
}
BENCHMARK(BM_DecipherFeedback)->Unit(benchmark::kMillisecond);

// libmcrypt deciphers in place; mode is "cbc" or "ecb".
void McryptDecipher(benchmark::State& state, const char* mode) {
    MCRYPT module = mcrypt_module_open(const_cast<char*>("rijndael-256"), nullptr,
                                       const_cast<char*>(mode), nullptr);
    std::string key(data_key, 32);
    std::string iv(data_chain, 32);
    std::vector<uint8_t> buffer = RandomBuffer(kBufferSize);
    for (auto _ : state) {
        mcrypt_generic_init(module, key.data(), 32, iv.data());
        mdecrypt_generic(module, buffer.data(), static_cast<int>(buffer.size()));
        mcrypt_generic_deinit(module);
        benchmark::DoNotOptimize(buffer.data());
    }
    mcrypt_module_close(module);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBufferSize));
}
void BM_McryptCbc(benchmark::State& state) {
    McryptDecipher(state, "cbc");
}
void BM_McryptEcb(benchmark::State& state) {
    McryptDecipher(state, "ecb");
}
BENCHMARK(BM_McryptCbc)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_McryptEcb)->Unit(benchmark::kMillisecond);

std::string WriteLargeDictionary(CRijndael& cipher) {
    std::mt19937 generator(7);
    std::vector<std::string> words(100000);
    for (std::string& word : words) {
        word.resize(3 + generator() % 6);
        for (char& c : word) {
            c = static_cast<char>('a' + generator() % 26);
        }
    }
    const std::vector<uint8_t> file =
        EncipherImage(cipher, BuildDictionaryImage("Bench", "100,000 words", {}, words));
    const std::string path =
        (std::filesystem::temp_directory_path() / "tilvora-bench-100k.tvd").string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    return path;
}

void BM_LoadDictionary100k(benchmark::State& state) {
    QuandelLogic logic{[] { return 0; }, 1u};
    const std::string path = WriteLargeDictionary(logic.cipher);
    for (auto _ : state) {
        logic.dictionary_name.clear(); // so that NewGame reads the file again
        if (logic.NewGame(path) != 0 || logic.words.size() != 100000) {
            state.SkipWithError("dictionary not loaded");
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadDictionary100k)->Unit(benchmark::kMillisecond);

// Keeps the median throughput of each benchmark so the cipher ratio can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto rate = run.counters.find("bytes_per_second");
            if (rate != run.counters.end() &&
                (run.aggregate_name.empty() || run.aggregate_name == "median")) {
                medians[run.run_name.function_name] = rate->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

} // namespace
} // namespace tilvora

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    tilvora::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& m = reporter.medians;
    for (const char* other : {"BM_McryptCbc", "BM_McryptEcb"}) {
        if (m.count("BM_DecipherFeedback") != 0 && m.count(other) != 0) {
            std::printf("CRijndael mode 2 / libmcrypt %s: %.2f\n", other + 3,
                        m.at("BM_DecipherFeedback") / m.at(other));
        }
    }
    benchmark::Shutdown();
    return 0;
}
