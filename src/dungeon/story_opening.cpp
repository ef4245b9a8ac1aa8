// The opening of the title menu: seventeen lines from the drift into this space to the
// mouth of the first tunnel.
#include "dungeon/story_pages.h"

namespace kestrilon {
namespace {

constexpr std::string_view kOpening[] = {
    "....遠い、遠いどこかで、誰かが手を振っていた",
    "その姿が誰だったのか、もう思い出せない",
    "気がつくと、あなたは音のない場所を漂っていた",
    "ここは波動空間。想いや記憶が波となって寄せては返す、もうひとつの世界",
    "行き場をなくした言葉は、ここで形を持つ",
    "ある言葉は剣に、ある言葉は靴に、そして一枚のカードに",
    "旅人たちはそれを集めて綴じ、ブックと呼んだ",
    "ブックに綴じたカードが、ここでのあなたの力になる",
    "体の強さも、心の強さも、すべてはカードから成る",
    "....目の前に、長いトンネルが口を開けている",
    "再構成トンネル。ここを通る者は、この世界の形に組み直されるという",
    "その先には丘があり、門があり、街があり、河がある",
    "そしてすべての道の果てには、【さよなら】と呼ばれる場所があるらしい",
    "なぜ自分がここにいるのか、あなたは知らない",
    "けれど胸の奥で小さな波が、行け、と告げている",
    "さあ、一枚目のカードを手に取ろう",
    "あなたの旅が、ここから始まる....",
};

}  // namespace

std::span<const std::string_view> OpeningLines() { return kOpening; }

}  // namespace kestrilon
