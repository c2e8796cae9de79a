#pragma once
// One test executable per library folder holding several test classes: each
// file registers its class with VEDO_TEST, and the shared main runs them all.

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

using FabriqueTest = std::function<std::unique_ptr<QObject>()>;

inline std::vector<FabriqueTest>& testsInscrits() {
    static std::vector<FabriqueTest> tests;
    return tests;
}

struct InscriptionTest {
    explicit InscriptionTest(FabriqueTest f) { testsInscrits().push_back(std::move(f)); }
};

#define VEDO_TEST(Classe)                                                                                \
    static const InscriptionTest inscription##Classe([] { return std::unique_ptr<QObject>(new Classe); })
