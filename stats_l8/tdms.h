#pragma once

class TDM1;

// The Lotto statistics module: recomputes every Lotto statistic table in one transaction.
class TDMS final {
public:
    explicit TDMS(TDM1& dm);
    ~TDMS();
    TDMS(const TDMS&) = delete;
    TDMS& operator=(const TDMS&) = delete;

    static TDMS& Instance();

private:
    TDM1& m_dm;
    TDMS* m_previous = nullptr;
};
