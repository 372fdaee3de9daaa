#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include <gtest/gtest.h>

// Runs each test in a fresh temporary working directory, so the learned-phrase
// file a test makes is its own and never the user's.
class InTempDir : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::random_device random;
        do {
            dir_ = std::filesystem::temp_directory_path() / ("tolkar-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(dir_));
        std::filesystem::current_path(dir_);
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(dir_, ignored);
    }

    static void WriteBytes(const std::string& name, const std::string& bytes)
    {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    static std::string ReadBytes(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path dir_;

  private:
    std::filesystem::path previous_;
};
