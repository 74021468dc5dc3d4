// Small helpers for the element-file tests: fixture bytes and a load from bytes
// with a fresh model, catalog and options.
#pragma once

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "ElementFileLoader.h"
#include "OrbitModel.h"

namespace kelvora::testing {

inline std::string FixtureBytes(const std::string& name) {
    std::ifstream in(std::string(KELVORA_TEST_DATA_DIR) + "/elements/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One load with its own state; the model is large, so it lives on the heap.
struct TLoaded {
    TNamingOptions Options;
    TNamesList Names;
    std::unique_ptr<TOrbitModel> Model = std::make_unique<TOrbitModel>();
    TElementCatalog Catalog;
    TElementLoadResult Result;

    TLoaded& Load(const std::string& bytes, const std::string& path = "test.txt") {
        Result = LoadElementBytes(bytes, path, Options, Names, *Model, Catalog);
        return *this;
    }
    std::string Names1ToN() const {
        std::string all;
        for (int n = 1; n <= Catalog.Count(); ++n) all += (n > 1 ? "|" : "") + Catalog.Name(n);
        return all;
    }
};

inline TNamingOptions Naming(char use, char keep, char key) {
    TNamingOptions o;
    o.UseNorvaNames = use;
    o.KeepSourceNames = keep;
    o.NameLookupKey = key;
    o.TakeWorkingCopies();
    return o;
}

}  // namespace kelvora::testing
