#pragma once
// Test names for tables of cases: a case's title with every character that a test name
// cannot hold turned into "_".
#include <gtest/gtest.h>

#include <cctype>
#include <string>

struct TitleName {
    template <class Case> std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        std::string name = info.param.title;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    }
};
