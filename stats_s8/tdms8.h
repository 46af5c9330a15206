#pragma once

class TDM1;

// The SuperEnalotto statistics module.
class TDMS8 final {
public:
    explicit TDMS8(TDM1& dm);
    ~TDMS8();
    TDMS8(const TDMS8&) = delete;
    TDMS8& operator=(const TDMS8&) = delete;

    static TDMS8& Instance();

private:
    TDM1& m_dm;
    TDMS8* m_previous = nullptr;
};
