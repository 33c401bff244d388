#include "engine/internal/ByteFinder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace textmend {
namespace {

using namespace std::string_literals;

// Every place of the wanted bytes, found one by one.
std::vector<std::size_t> PlacesOf(const std::string& text, const std::string& wanted) {
    std::vector<std::size_t> places;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (wanted.find(text[i]) != std::string::npos) {
            places.push_back(i);
        }
    }
    return places;
}

template <std::size_t N>
std::vector<std::size_t> FoundPlaces(const std::string& text, std::array<char, N> wanted) {
    internal::ByteFinder<N> finder(text.data(), text.size(), wanted);
    std::vector<std::size_t> places;
    for (std::size_t at = finder.Next(0); at < text.size(); at = finder.Next(at + 1)) {
        places.push_back(at);
    }
    return places;
}

TEST(ByteFinder, FindsEveryPlaceInOrderAcrossBlocks) {
    const std::string texts[] = {
        "",
        "\r",
        "no break at all",
        "a\rb\r\nc",
        std::string(63, 'x') + "\r",
        std::string(64, 'x') + "\r",
        std::string(65, 'x') + "\r" + std::string(200, 'y') + "\r",
        std::string(300, '\r'),
        "\r" + std::string(1000, 'z'),
        std::string(130, 'q') + "\r\xff\r\0\r"s,
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(FoundPlaces<1>(text, {'\r'}), PlacesOf(text, "\r")) << text.size();
    }
}

TEST(ByteFinder, AnyOfSeveralBytesIncludingNulAndHighBytes) {
    std::mt19937 random(11);
    const std::string alphabet = "ab.?! \xff\x80\0"s;
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 400, ' ');
        for (char& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        EXPECT_EQ(FoundPlaces<3>(text, {'.', '?', '!'}), PlacesOf(text, ".?!")) << round;
        EXPECT_EQ(FoundPlaces<2>(text, {'\xff', '\0'}), PlacesOf(text, "\xff\0"s)) << round;
    }
}

TEST(FindLast, TheLastPlaceOrTheSizeWhenThereIsNone) {
    std::mt19937 random(12);
    const std::string alphabet = "ab\r\n\xff\0"s;
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 100, 'x');
        for (char& c : text) {
            c = random() % 8 == 0 ? alphabet[random() % alphabet.size()] : 'x';
        }
        for (const char byte : {'\r', '\xff', '\0'}) {
            const std::vector<std::size_t> places = PlacesOf(text, std::string(1, byte));
            EXPECT_EQ(internal::FindLast(text.data(), text.size(), byte),
                      places.empty() ? text.size() : places.back())
                << round;
        }
    }
}

TEST(ByteFinder, SkipsWhatLiesBeforeTheStartAsked) {
    const std::string text = "." + std::string(100, 'a') + "." + std::string(200, 'b') + ".";
    internal::ByteFinder<1> finder(text.data(), text.size(), {'.'});
    EXPECT_EQ(finder.Next(0), 0u);
    EXPECT_EQ(finder.Next(1), 101u);
    EXPECT_EQ(finder.Next(101), 101u);
    EXPECT_EQ(finder.Next(150), 302u);
    EXPECT_EQ(finder.Next(303), text.size());
    EXPECT_EQ(finder.Next(5000), text.size());
}

}  // namespace
}  // namespace textmend
