#pragma once
// Compares a drawn bitmap with a small reference PNG kept beside the tests.
//
// With ZOL_UPDATE_GOLDEN=1 in the environment the reference is (re)written
// instead. On a mismatch the actual picture is saved in the build folder
// (golden-actual/NAME.png) so that it can be looked at.

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace zol::test {

::testing::AssertionResult MatchesGolden(const QImage& actual, const std::string& name);

} // namespace zol::test
