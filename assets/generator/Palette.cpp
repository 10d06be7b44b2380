#include "Palette.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

namespace artwork {

namespace {

// Green matters most to the eye and blue least.
float distance(Rgbf a, Rgbf b)
{
    const float dr = a.r - b.r;
    const float dg = a.g - b.g;
    const float db = a.b - b.b;
    return 3.0f * dr * dr + 4.0f * dg * dg + 2.0f * db * db;
}

float channel(Rgbf c, int axis)
{
    return axis == 0 ? c.r : (axis == 1 ? c.g : c.b);
}

// A group of samples that one palette colour will stand for.
class Box
{
public:
    explicit Box(std::vector<Rgbf> samples) : samples_(std::move(samples)) { measure(); }

    Rgbf mean() const
    {
        Rgbf sum;
        for (const Rgbf& s : samples_)
            sum = sum + s;
        return sum * (1.0f / float(samples_.size()));
    }

    // How badly one colour would stand for the box: the spread along its widest channel.
    float error() const { return error_; }
    bool splittable() const { return samples_.size() >= 2 && error_ > 0.0f; }

    // Cuts the box at the median of its widest channel and returns the upper half.
    Box splitOff()
    {
        const int axis = axis_;
        std::stable_sort(samples_.begin(), samples_.end(),
                         [axis](Rgbf a, Rgbf b) { return channel(a, axis) < channel(b, axis); });
        const auto half = samples_.begin() + std::ptrdiff_t(samples_.size() / 2);
        Box upper(std::vector<Rgbf>(half, samples_.end()));
        samples_.erase(half, samples_.end());
        measure();
        return upper;
    }

private:
    void measure()
    {
        const Rgbf m = mean();
        std::array<float, 3> spread{};
        for (const Rgbf& s : samples_)
            for (int axis = 0; axis < 3; ++axis) {
                const float d = channel(s, axis) - channel(m, axis);
                spread[std::size_t(axis)] += d * d;
            }
        const auto widest = std::max_element(spread.begin(), spread.end());
        axis_ = int(widest - spread.begin());
        error_ = *widest;
    }

    std::vector<Rgbf> samples_;
    int axis_ = 0;
    float error_ = 0.0f;
};

} // namespace

std::vector<Rgbf> Palette::samplesOf(const QImage& image)
{
    std::vector<Rgbf> samples;
    samples.reserve(std::size_t(image.width() * image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            samples.push_back(Rgbf::of(image.pixel(x, y)));
    return samples;
}

Palette Palette::representing(const std::vector<Rgbf>& samples, int count)
{
    std::vector<Box> boxes{Box(samples)};
    while (int(boxes.size()) < count) {
        auto worst = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.error() < b.error();
        });
        if (!worst->splittable())
            break;
        Box upper = worst->splitOff();
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> colours;
    for (const Box& box : boxes)
        colours.push_back(box.mean().toRgb());
    Palette palette(std::move(colours));
    palette.settle(samples, 6);
    return palette;
}

void Palette::settle(const std::vector<Rgbf>& samples, int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        std::vector<Rgbf> sums(colours_.size());
        std::vector<int> counts(colours_.size(), 0);
        for (const Rgbf& s : samples) {
            const auto i = std::size_t(nearest(s));
            sums[i] = sums[i] + s;
            ++counts[i];
        }
        for (std::size_t i = 0; i < colours_.size(); ++i)
            if (counts[i] > 0)
                colours_[i] = (sums[i] * (1.0f / float(counts[i]))).toRgb();
    }
}

void Palette::append(const Palette& other)
{
    colours_.insert(colours_.end(), other.colours_.begin(), other.colours_.end());
}

void Palette::fillTo(int count)
{
    if (size() < count)
        colours_.resize(std::size_t(count), qRgb(0, 0, 0));
}

QList<QRgb> Palette::colourTable() const
{
    return QList<QRgb>(colours_.begin(), colours_.end());
}

int Palette::nearest(Rgbf colour) const
{
    int best = 0;
    float bestDistance = std::numeric_limits<float>::max();
    for (std::size_t i = 0; i < colours_.size(); ++i) {
        const float d = distance(colour, Rgbf::of(colours_[i]));
        if (d < bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return best;
}

QImage Palette::diffuse(const QImage& image) const
{
    const int w = image.width();
    const int h = image.height();
    std::vector<Rgbf> work = samplesOf(image);
    QImage out(w, h, QImage::Format_RGB32);
    auto spread = [&](int x, int y, Rgbf error, float share) {
        if (x >= 0 && x < w && y < h)
            work[std::size_t(y * w + x)] = work[std::size_t(y * w + x)] + error * share;
    };
    // Serpentine order keeps the diffused error from drifting in one direction.
    for (int y = 0; y < h; ++y) {
        const bool leftward = y % 2 == 1;
        const int step = leftward ? -1 : 1;
        for (int i = 0; i < w; ++i) {
            const int x = leftward ? w - 1 - i : i;
            const Rgbf wanted = work[std::size_t(y * w + x)];
            const QRgb got = colours_[std::size_t(nearest(wanted))];
            out.setPixel(x, y, got);
            const Rgbf error = wanted + Rgbf::of(got) * -1.0f;
            spread(x + step, y, error, 7.0f / 16);
            spread(x - step, y + 1, error, 3.0f / 16);
            spread(x, y + 1, error, 5.0f / 16);
            spread(x + step, y + 1, error, 1.0f / 16);
        }
    }
    return out;
}

} // namespace artwork
