#pragma once

// Which of `count` remarks a random draw r (0 <= r < 1) picks: the range is cut into
// `count` equal slices, so every remark has the same chance. A draw outside the range
// still names a remark, the first or the last.
int remarkIndex(float r, int count);
