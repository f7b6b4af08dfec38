// A reference of the rain's flows in a network, written apart from the
// program's own (network/rain.cpp, network/network_design.cpp) from the rules
// alone. The hydraulics of one section come from `vexa-calc --stan` batch
// lines (the oracle); everything of the rain is worked here.
//
// Usage: reference_rain NETWORK.csv [--oracle PATH] [--katalog FILE] [options of vexa-calc --siec]
// Writes, per section in file order, ";"-separated fields (RFC 4180 quoting):
//   Odcinek;Od;Do;Dlugosc;Q;Bd..Bwp (10);*x7 (levels, not computed);[Fzr;tp;td;q;Qdeszcz];Uwagi
// where Uwagi holds only the notes that do not depend on levels or on Dw
// ("obliczono dla Q", "brak zbieżności ...", "spadek terenu", "dopływ z odcinka ... bez wyniku").
// Exit 2 with a message on stderr when the reference itself refuses the input.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using ld = long double;
using ll = long long;

[[noreturn]] void refuse(const std::string& why) {
    std::cerr << "REFUSE: " << why << "\n";
    std::exit(2);
}

// ---------- numbers ----------
std::string trim(const std::string& s) {
    size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

struct Dec {
    bool neg = false;
    std::string digits;  // integer digits
    ll exp10 = 0;        // value = digits * 10^exp10
};

std::optional<Dec> scanDec(std::string text) {
    text = trim(text);
    for (auto& c : text)
        if (c == '.') {
            c = ',';
            break;
        }
    Dec d;
    size_t p = 0;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) d.neg = text[p++] == '-';
    std::string i, f;
    while (p < text.size() && isdigit((unsigned char)text[p])) i += text[p++];
    if (p < text.size() && text[p] == ',') {
        ++p;
        while (p < text.size() && isdigit((unsigned char)text[p])) f += text[p++];
    }
    if (i.empty() && f.empty()) return std::nullopt;
    ll e = 0;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        ++p;
        bool en = false;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) en = text[p++] == '-';
        std::string ed;
        while (p < text.size() && isdigit((unsigned char)text[p])) ed += text[p++];
        if (ed.empty()) return std::nullopt;
        e = std::stoll(ed.substr(0, 6));
        if (en) e = -e;
    }
    if (p != text.size()) return std::nullopt;
    d.digits = i + f;
    d.exp10 = e - (ll)f.size();
    return d;
}

// value * mult / 10^0 rounded half away from zero, value scaled by 10^decimals (exact)
ll scaledExact(const std::string& text, int decimals, ll mult = 1) {
    auto d = scanDec(text);
    if (!d) refuse("not a number: " + text);
    // strip leading zeros
    std::string g = d->digits;
    size_t nz = g.find_first_not_of('0');
    if (nz == std::string::npos) return 0;
    g = g.substr(nz);
    ll shift = d->exp10 + decimals;
    if ((ll)g.size() + shift > 17) refuse("too large: " + text);
    __int128 num = 0;
    for (char c : g) num = num * 10 + (c - '0');
    num *= mult;
    __int128 den = 1;
    if (shift >= 0) {
        for (ll k = 0; k < shift; ++k) num *= 10;
    } else {
        for (ll k = 0; k < -shift && k < 38; ++k) den *= 10;
        if (-shift >= 38) return 0;
    }
    __int128 q = num / den, r = num % den;
    if (2 * r >= den) ++q;
    ll v = (ll)q;
    return d->neg ? -v : v;
}

ld parseExt(const std::string& text) {
    auto d = scanDec(text);
    if (!d) refuse("not a number: " + text);
    std::string s = (d->neg ? "-" : "") + (d->digits.empty() ? "0" : d->digits) + "e" + std::to_string(d->exp10);
    return strtold(s.c_str(), nullptr);  // glibc: correctly rounded
}

std::string scaledText(ll units, int decimals) {
    bool neg = units < 0;
    std::string digits = std::to_string(neg ? -units : units);
    if ((int)digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
    std::string t = neg ? "-" : "";
    t += digits.substr(0, digits.size() - decimals);
    if (decimals > 0) t += "," + digits.substr(digits.size() - decimals);
    return t;
}
std::string scaledGeneral(ll units, int decimals) {
    std::string t = scaledText(units, decimals);
    if (decimals > 0) {
        t.erase(t.find_last_not_of('0') + 1);
        if (t.back() == ',') t.pop_back();
    }
    return t;
}
// integer `ms` to minutes with two decimals, half up
std::string minutes2(ll ms) { return scaledText((ms + 300) / 600, 2); }

// positive extended value, one decimal, half up on the exact value
std::string oneDecimal(ld x) {
    char buf[200];
    snprintf(buf, sizeof buf, "%.80Lf", x);  // glibc prints the exact expansion
    std::string s = buf;
    size_t dot = s.find('.');
    std::string ip = s.substr(0, dot);
    int d1 = s[dot + 1] - '0';
    int d2 = s[dot + 2] - '0';
    ll units = std::stoll(ip) * 10 + d1;
    if (d2 >= 5) ++units;
    return scaledText(units, 1);
}

// ---------- CSV-ish ----------
std::vector<std::string> splitSemi(const std::string& line) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : line) {
        if (c == ';') {
            out.push_back(cur);
            cur.clear();
        } else
            cur += c;
    }
    out.push_back(cur);
    return out;
}
std::string quoted(const std::string& f) {
    if (f.find_first_of(";\"\n\r") == std::string::npos) return f;
    std::string t = "\"";
    for (char c : f) {
        if (c == '"')
            t += "\"\"";
        else
            t += c;
    }
    return t + "\"";
}
// records of a ;-separated text with RFC 4180 quoting (fields may span lines)
std::vector<std::vector<std::string>> readRecords(const std::string& text) {
    std::vector<std::vector<std::string>> recs;
    std::vector<std::string> rec;
    std::string cur;
    bool inq = false, any = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inq) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    cur += '"';
                    ++i;
                } else
                    inq = false;
            } else
                cur += c;
            continue;
        }
        if (c == '"' && cur.empty()) {
            inq = true;
            any = true;
            continue;
        }
        if (c == ';') {
            rec.push_back(cur);
            cur.clear();
            any = true;
            continue;
        }
        if (c == '\r') continue;
        if (c == '\n') {
            rec.push_back(cur);
            recs.push_back(rec);
            rec.clear();
            cur.clear();
            any = false;
            continue;
        }
        cur += c;
        any = true;
    }
    if (any || !cur.empty() || !rec.empty()) {
        rec.push_back(cur);
        recs.push_back(rec);
    }
    return recs;
}

// ---------- oracle ----------
struct Design {
    bool ok = false;
    std::vector<std::string> fields;  // Bd..Bwp (10)
    std::string message;
    ld vwy = 0;
};
std::string gOracle = "vexa-calc";
std::string gKatalog = "pipe_vexa.dat";
std::map<std::string, Design> gCache;
int gOracleCalls = 0;
int gRaised = 0;
std::map<std::string, int> gStats;

void runOracle(const std::vector<std::string>& lines) {
    std::vector<std::string> need;
    for (auto& l : lines)
        if (!gCache.count(l)) {
            bool dup = false;
            for (auto& n : need) dup |= n == l;
            if (!dup) need.push_back(l);
        }
    if (need.empty()) return;
    char in[] = "/tmp/reference_rain_XXXXXX";
    int fd = mkstemp(in);
    if (fd < 0) refuse("mkstemp");
    std::string body;
    for (auto& l : need) body += l + "\n";
    if (write(fd, body.data(), body.size()) != (ssize_t)body.size()) refuse("write");
    close(fd);
    std::string cmd = gOracle + " --katalog '" + gKatalog + "' --stan '" + in + "'";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    unlink(in);
    ++gOracleCalls;
    auto recs = readRecords(out);
    if (recs.size() != need.size() + 1)
        refuse("oracle gave " + std::to_string(recs.size()) + " records for " + std::to_string(need.size()) +
               " lines:\n" + out);
    for (size_t k = 0; k < need.size(); ++k) {
        auto& r = recs[k + 1];
        Design d;
        if (r.size() >= 2 && r[1] == "!") {
            d.ok = false;
            d.message = r.size() > 2 ? r[2] : "";
        } else {
            if (r.size() != 19) refuse("oracle record with " + std::to_string(r.size()) + " fields: " + need[k]);
            d.ok = true;
            d.fields.assign(r.begin() + 1, r.begin() + 11);
            d.vwy = strtold(r[14].c_str(), nullptr);
        }
        gCache[need[k]] = d;
    }
}

// ---------- network ----------
struct Section {
    std::string name, od, dto;
    ll L = 0, terenOd = 0, terenDo = 0, doplyw = 0;
    std::string typ, sred, sdr, scieki, opory, kryt, hdmax;
    ll Fm2 = 0, psi = 0, fzrOwn = 0;
    std::vector<int> incoming;
    int level = 0;
    // results
    ll sanitary = 0, fzr = 0;
    bool rain = false;
    ll Q = 0;        // shown Q (ml/s)
    ll designQ = 0;  // the Q the design state was computed for
    bool hasResult = false;
    Design design;
    std::string message;
    bool showRain = false;  // tp, td present
    ll tOwn = 0, td = 0;
    bool showQ = false;  // q, Qdeszcz present
    ld q = 0;
    ll qr = 0;
    ll rainPart = 0;
    ll tEnd = 0;
    bool noConvergence = false;
    // slope range
    ll G = 0, sOd = 0, sDo = 0;
};

struct Options {
    ld H = 600, C = 2;
    ll splyw = 5 * 60000, tmin = 10 * 60000, R100 = 120;
    ll qmin = 1000, smin = 5, smax = 1000;
    bool table = false;
    std::vector<ld> tt, tq;
} O;

// q(t) or nothing beyond the table
std::optional<ld> intensity(ll ms) {
    ld t = (ld)ms / 60000.0L;
    if (!O.table) {
        ld a = 6.631L * powl(O.H, 2.0L / 3.0L);
        a = a * powl(O.C, 1.0L / 3.0L);
        return a / powl(t, 0.67L);
    }
    size_t n = O.tt.size();
    if (t <= O.tt[0]) return O.tq[0];
    if (t > O.tt[n - 1]) return std::nullopt;
    for (size_t i = 0; i < n; ++i)
        if (t == O.tt[i]) return O.tq[i];
    for (size_t i = 0; i + 1 < n; ++i)
        if (t > O.tt[i] && t < O.tt[i + 1])
            return O.tq[i] * powl(t / O.tt[i], logl(O.tq[i + 1] / O.tq[i]) / logl(O.tt[i + 1] / O.tt[i]));
    refuse("intensity: not reached");
}

ll roundR(ll T) { return (O.R100 * T + 50) / 100; }  // R*T half up, exact

std::string minutesToMsText;  // unused

ll minutesToMs(const std::string& text) { return scaledExact(text, 0, 60000); }

std::string batchLine(const Section& s, ll Q) {
    ll flow = std::max(Q, O.qmin);
    return "O;" + s.typ + ";" + s.sred + ";" + s.sdr + ";" + s.scieki + ";" + s.opory + ";" + scaledGeneral(flow, 3) +
           ";" + scaledText(s.sOd, 1) + ";1;" + scaledText(s.sOd, 1) + ";" + scaledText(s.sDo, 1) + ";" + s.kryt + ";" +
           s.hdmax;
}

int main(int argc, char** argv) {
    std::string netFile, tableFile;
    std::string H = "600", C = "2", splyw = "5", tmin = "10", R = "1,2", qmin = "1,0", smin = "0,5", smax = "100,0";
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto val = [&]() -> std::string {
            if (i + 1 >= argc) refuse("missing value for " + a);
            return argv[++i];
        };
        if (a == "--oracle")
            gOracle = val();
        else if (a == "--katalog")
            gKatalog = val();
        else if (a == "--siec")
            netFile = val();
        else if (a == "--opad-roczny")
            H = val();
        else if (a == "--czestosc")
            C = val();
        else if (a == "--czas-splywu")
            splyw = val();
        else if (a == "--czas-min")
            tmin = val();
        else if (a == "--retencja")
            R = val();
        else if (a == "--deszcz-tabela")
            tableFile = val();
        else if (a == "--q-min")
            qmin = val();
        else if (a == "--spadek-min")
            smin = val();
        else if (a == "--spadek-max")
            smax = val();
        else if (a == "--przykrycie" || a == "--glebokosc-max" || a == "--kaskada")
            val();
        else if (netFile.empty() && a[0] != '-')
            netFile = a;
        else
            refuse("unknown option " + a);
    }
    O.H = parseExt(H);
    O.C = parseExt(C);
    if (!(O.H >= 300 && O.H <= 2000)) refuse("H out of range");
    if (!(O.C >= 0.1L && O.C <= 100)) refuse("C out of range");
    // R: the value as read for the bound; hundredths for the arithmetic
    {
        ld r = parseExt(R);
        if (!(r >= 1 && r <= 2)) refuse("R out of range");
        O.R100 = scaledExact(R, 2);
    }
    {
        ld a = parseExt(splyw), b = parseExt(tmin);
        if (!(a >= 0 && a <= 60)) refuse("czas-splywu out of range");
        if (!(b >= 1 && b <= 60)) refuse("czas-min out of range");
        O.splyw = minutesToMs(splyw);
        O.tmin = minutesToMs(tmin);
    }
    O.qmin = scaledExact(qmin, 3);
    O.smin = scaledExact(smin, 1);
    O.smax = scaledExact(smax, 1);
    if (!tableFile.empty()) {
        O.table = true;
        std::ifstream f(tableFile);
        if (!f) refuse("no table");
        std::string line;
        while (std::getline(f, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (trim(line).empty()) continue;
            auto fl = splitSemi(line);
            if (fl.size() != 2) refuse("table line: " + line);
            ld t = parseExt(fl[0]), q = parseExt(fl[1]);
            if (!(t > 0 && q > 0)) refuse("table: not above zero");
            if (!O.tt.empty() && !(t > O.tt.back() && q < O.tq.back())) refuse("table: not monotone");
            O.tt.push_back(t);
            O.tq.push_back(q);
        }
        if (O.tt.size() < 2) refuse("table: fewer than two lines");
    }

    // ----- the network file -----
    std::ifstream nf(netFile);
    if (!nf) refuse("no network file");
    std::stringstream ss;
    ss << nf.rdbuf();
    auto recs = readRecords(ss.str());
    if (recs.empty()) refuse("empty");
    size_t cols = recs[0].size();
    if (cols != 14 && cols != 16) refuse("head line");
    std::vector<Section> S;
    for (size_t r = 1; r < recs.size(); ++r) {
        auto& f = recs[r];
        if (f.size() == 1 && trim(f[0]).empty()) continue;
        if (f.size() != cols) refuse("line " + std::to_string(r + 1) + " has " + std::to_string(f.size()) + " fields");
        Section s;
        s.name = f[0];
        s.od = f[1];
        s.dto = f[2];
        s.L = scaledExact(f[3], 3);
        s.terenOd = scaledExact(f[4], 3);
        s.terenDo = scaledExact(f[5], 3);
        s.doplyw = trim(f[6]).empty() ? 0 : scaledExact(f[6], 3);
        s.typ = f[7];
        s.sred = f[8];
        s.sdr = f[9];
        s.scieki = f[10];
        s.opory = f[11];
        s.kryt = f[12];
        s.hdmax = f[13];
        if (cols == 16) {
            if (!trim(f[14]).empty()) {
                ld F = parseExt(f[14]);
                if (F < 0) refuse("Zlewnia < 0 at line " + std::to_string(r + 1));
                s.Fm2 = scaledExact(f[14], 4);
                if (F > 0 && trim(f[15]).empty()) refuse("Psi missing at line " + std::to_string(r + 1));
            }
            if (!trim(f[15]).empty()) {
                ld p = parseExt(f[15]);
                if (p < 0 || p > 1) refuse("Psi out of range at line " + std::to_string(r + 1));
                s.psi = scaledExact(f[15], 2);
            }
            s.fzrOwn = s.Fm2 * s.psi;
        }
        S.push_back(s);
    }
    int n = S.size();
    std::map<std::string, int> byOd;
    for (int j = 0; j < n; ++j) {
        if (byOd.count(S[j].od)) refuse("two sections from one manhole");
        byOd[S[j].od] = j;
    }
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            if (S[i].dto == S[j].od) S[j].incoming.push_back(i);
    // levels (depth from heads); cycles refused
    {
        std::vector<int> state(n, 0);
        std::function<int(int)> lev = [&](int j) -> int {
            if (state[j] == 2) return S[j].level;
            if (state[j] == 1) refuse("cycle");
            state[j] = 1;
            int l = 0;
            for (int i : S[j].incoming) l = std::max(l, lev(i) + 1);
            state[j] = 2;
            return S[j].level = l;
        };
        for (int j = 0; j < n; ++j) lev(j);
    }
    bool rainNet = false;
    for (auto& s : S) rainNet |= s.fzrOwn > 0;

    int maxLevel = 0;
    for (auto& s : S) maxLevel = std::max(maxLevel, s.level);
    for (int level = 0; level <= maxLevel; ++level) {
        std::vector<int> act;
        for (int j = 0; j < n; ++j)
            if (S[j].level == level) act.push_back(j);
        // per-section pass state
        struct PassState {
            bool done = false;
            int k = 0;
            ll tUp = 0, raise = 0;
            std::vector<ll> Qk, tOwnk, tdk, qrk;
            std::vector<ld> qk;
            std::string pendingLine;
            ll pendingQ = 0;
        };
        std::map<int, PassState> st;
        for (int j : act) {
            Section& s = S[j];
            s.sanitary = s.doplyw;
            s.fzr = s.fzrOwn;
            for (int i : s.incoming) {
                s.sanitary += S[i].sanitary;
                s.fzr += S[i].fzr;
            }
            ll F = s.terenOd - s.terenDo;
            s.G = F > 0 ? (10000 * F + s.L - 1) / s.L : 0;
            s.sOd = std::max(s.G, O.smin);
            s.sDo = O.smax;
            if (s.sOd > s.sDo) s.sOd = s.sDo;
            s.rain = s.fzr > 0;
            PassState& p = st[j];
            for (int i : s.incoming) {
                if (S[i].fzr > 0) p.tUp = std::max(p.tUp, S[i].tEnd);
                p.raise = std::max(p.raise, S[i].rainPart);
            }
        }
        // lock-step passes
        for (;;) {
            std::vector<std::string> lines;
            for (int j : act) {
                Section& s = S[j];
                PassState& p = st[j];
                if (p.done) continue;
                if (!s.rain) {
                    p.pendingQ = s.sanitary;
                    p.pendingLine = batchLine(s, s.sanitary);
                    lines.push_back(p.pendingLine);
                    continue;
                }
                ll tOwn = 0;
                if (p.k > 0) tOwn = (ll)floorl((ld)s.L / gCache[p.pendingLine].vwy + 0.5L);
                ll td = std::max(O.splyw + roundR(p.tUp + tOwn), O.tmin);
                auto q = intensity(td);
                if (!q) {  // beyond the table
                    s.hasResult = false;
                    s.message = "Czas deszczu " + minutes2(td) + " min wykracza poza tabelę deszczu";
                    s.Q = s.sanitary;
                    s.designQ = s.sanitary;
                    s.showRain = true;
                    s.tOwn = tOwn;
                    s.td = td;
                    s.showQ = false;
                    s.rainPart = 0;
                    s.tEnd = p.tUp;
                    ++gStats["beyond@" + std::to_string(p.k)];
                    p.done = true;
                    continue;
                }
                ll fzrc = s.fzr;
                ll qr = (ll)floorl(*q * (ld)fzrc / 1000 + 0.5L);
                if (p.raise > qr) ++gRaised;
                qr = std::max(qr, p.raise);
                ll Q = s.sanitary + qr;
                if (p.k > 0 && Q == p.Qk.back()) {
                    // converged: pass k is the design (same Q as pass k-1)
                    Design& d = gCache[p.pendingLine];
                    s.hasResult = true;
                    s.design = d;
                    s.Q = Q;
                    s.designQ = Q;
                    s.showRain = s.showQ = true;
                    s.tOwn = tOwn;
                    s.td = td;
                    s.q = *q;
                    s.qr = qr;
                    s.rainPart = qr;
                    s.tEnd = p.tUp + tOwn;
                    ++gStats["converged@" + std::to_string(p.k)];
                    p.done = true;
                    continue;
                }
                if (getenv("RAINREF_TRACE"))
                    fprintf(stderr, "%s pass %d: T_up %lld T_own %lld T_d %lld q %.25Lg Qr %lld Q %lld\n",
                            s.name.c_str(), p.k, p.tUp, tOwn, td, *q, qr, Q);
                p.Qk.push_back(Q);
                p.tOwnk.push_back(tOwn);
                p.tdk.push_back(td);
                p.qk.push_back(*q);
                p.qrk.push_back(qr);
                p.pendingQ = Q;
                p.pendingLine = batchLine(s, Q);
                lines.push_back(p.pendingLine);
            }
            if (lines.empty()) break;
            runOracle(lines);
            for (int j : act) {
                Section& s = S[j];
                PassState& p = st[j];
                if (p.done) continue;
                Design& d = gCache[p.pendingLine];
                if (!s.rain) {
                    s.Q = s.designQ = s.sanitary;
                    s.hasResult = d.ok;
                    s.design = d;
                    s.message = d.message;
                    s.rainPart = 0;
                    s.tEnd = 0;
                    p.done = true;
                    continue;
                }
                int k = p.k;
                if (getenv("RAINREF_TRACE"))
                    fprintf(stderr, "   %s design: %s %s v=%La\n", s.name.c_str(), d.ok ? d.fields[0].c_str() : "!",
                            d.ok ? d.fields[4].c_str() : d.message.c_str(), d.vwy);
                if (!d.ok) {
                    s.hasResult = false;
                    s.message = d.message;
                    s.Q = s.designQ = p.Qk[k];
                    s.showRain = s.showQ = true;
                    s.tOwn = p.tOwnk[k];
                    s.td = p.tdk[k];
                    s.q = p.qk[k];
                    s.qr = p.qrk[k];
                    s.rainPart = s.qr;
                    s.tEnd = p.tUp;
                    ++gStats["noresult@" + std::to_string(k)];
                    p.done = true;
                    continue;
                }
                if (k == 10) {  // no repeat after pass 10: pass 0's design, pass 1's flow time
                    s.hasResult = true;
                    s.design = gCache[batchLine(s, p.Qk[0])];
                    s.Q = s.designQ = p.Qk[0];
                    s.showRain = s.showQ = true;
                    s.tOwn = p.tOwnk[1];
                    s.td = p.tdk[0];
                    s.q = p.qk[0];
                    s.qr = p.qrk[0];
                    s.rainPart = s.qr;
                    s.tEnd = p.tUp + p.tOwnk[1];
                    s.noConvergence = true;
                    ++gStats["noconvergence"];
                    p.done = true;
                    continue;
                }
                p.k = k + 1;
            }
        }
    }

    // ----- output -----
    for (auto& s : S) {
        std::vector<std::string> f{s.name, s.od, s.dto, scaledText(s.L, 3), scaledGeneral(s.Q, 3)};
        if (s.hasResult) {
            for (auto& x : s.design.fields) f.push_back(x);
        } else {
            f.push_back("!");
            std::string m = s.message;
            for (auto& c : m)
                if (c == '\n' || c == '\r') c = ' ';
            f.push_back(m);
            for (int k = 0; k < 8; ++k) f.push_back("");
        }
        for (int k = 0; k < 7; ++k) f.push_back("*");
        if (rainNet) {
            f.push_back(scaledText((s.fzr + 50) / 100, 4));
            if (!s.rain) {
                f.push_back("");
                f.push_back("");
                f.push_back("");
                f.push_back("0");
            } else {
                f.push_back(s.showRain ? minutes2(s.tOwn) : "");
                f.push_back(s.showRain ? minutes2(s.td) : "");
                f.push_back(s.showQ ? oneDecimal(s.q) : "");
                f.push_back(s.showQ ? scaledGeneral(s.qr, 3) : "");
            }
        }
        std::vector<std::string> notes;
        if (s.designQ < O.qmin) notes.push_back("obliczono dla Q = " + scaledGeneral(O.qmin, 3) + " l/s");
        if (s.noConvergence) notes.push_back("brak zbieżności czasu przepływu");
        if (s.G > O.smax)
            notes.push_back("spadek terenu " + scaledText(s.G, 1) + " ‰ > " + scaledText(O.smax, 1) + " ‰");
        for (int i : s.incoming)
            if (!S[i].hasResult) notes.push_back("dopływ z odcinka " + S[i].name + " bez wyniku");
        std::string u;
        for (auto& x : notes) u += (u.empty() ? "" : ", ") + x;
        f.push_back(u);
        std::string line;
        for (size_t k = 0; k < f.size(); ++k) line += (k ? ";" : "") + quoted(f[k]);
        std::cout << line << "\n";
    }
    std::cerr << "oracle calls: " << gOracleCalls << ", lines: " << gCache.size() << "\n";
    std::cerr << "stats: raisedpasses=" << gRaised;
    for (auto& [k, v] : gStats) std::cerr << " " << k << "=" << v;
    std::cerr << "\n";
    return 0;
}
