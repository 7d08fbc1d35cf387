#pragma once

// Base of the services' test seams: while an object of a seam class exists it
// is the active one, and the service consults it instead of the platform.
// Seams do not nest; each test sets up at most one of a kind at a time.
template <typename Seam>
class TestSeam
{
public:
    TestSeam(const TestSeam &) = delete;
    TestSeam &operator=(const TestSeam &) = delete;

    static Seam *active() { return current; }

protected:
    TestSeam() { current = static_cast<Seam *>(this); }
    ~TestSeam() { current = nullptr; }

private:
    static inline Seam *current = nullptr;
};
