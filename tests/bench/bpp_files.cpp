// SPDX-License-Identifier: GPL-3.0-or-later
#include "bpp_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

namespace zelvik::bench {

std::vector<BppInstance> ReadBppFile(const std::string& path) {
  std::ifstream file(path);
  std::vector<BppInstance> out;
  if (!file) return out;
  if (std::filesystem::path(path).extension() == ".BPP") {
    BppInstance inst;
    inst.name = std::filesystem::path(path).stem().string();
    int n = 0;
    file >> n >> inst.capacity;
    inst.items.resize(n);
    for (double& w : inst.items) file >> w;
    if (file) out.push_back(std::move(inst));
    return out;
  }
  int problems = 0;
  file >> problems;
  for (int p = 0; p < problems && file; ++p) {
    BppInstance inst;
    int n = 0;
    file >> inst.name >> inst.capacity >> n >> inst.bestKnown;
    inst.items.resize(n);
    for (double& w : inst.items) file >> w;
    if (file) out.push_back(std::move(inst));
  }
  return out;
}

cutting::CutRequest AsRequest(const BppInstance& instance) {
  cutting::CutRequest r;
  r.kerf = 0;
  std::map<double, int> counts;
  for (double w : instance.items) ++counts[w];
  for (const auto& [w, n] : counts) r.pieces.push_back({w, n, {}});
  r.stocks.push_back({instance.capacity, std::nullopt, std::nullopt});
  return r;
}

cutting::CutRequest ThousandPieces() {
  std::mt19937 rng(2024);
  cutting::CutRequest r;
  r.kerf = 3;
  r.stocks.push_back({6000, std::nullopt, std::nullopt});
  std::vector<int> lengths;
  for (int i = 0; i < 50; ++i) lengths.push_back(250 + 50 * static_cast<int>(rng() % 55));
  std::sort(lengths.begin(), lengths.end());
  lengths.erase(std::unique(lengths.begin(), lengths.end()), lengths.end());
  while (lengths.size() < 50) lengths.push_back(lengths.back() + 7);
  for (int l : lengths) r.pieces.push_back({static_cast<double>(l), 20, {}});
  return r;
}

int FirstFitDecreasingBars(const cutting::CutRequest& request) {
  std::vector<double> items;
  for (const auto& p : request.pieces) items.insert(items.end(), p.quantity, p.length + request.kerf);
  std::sort(items.rbegin(), items.rend());
  const double cap = request.stocks[0].length - 2 * request.trim + request.kerf;
  std::vector<double> loads;
  for (double w : items) {
    auto it = std::find_if(loads.begin(), loads.end(), [&](double l) { return l + w <= cap + 1e-9; });
    if (it == loads.end()) {
      loads.push_back(w);
    } else {
      *it += w;
    }
  }
  return static_cast<int>(loads.size());
}

bool PlanIsValid(const cutting::CutRequest& request, const cutting::CutPlan& plan) {
  std::vector<int> cut(request.pieces.size(), 0);
  for (const auto& bar : plan.bars) {
    double used = 0;
    for (size_t k = 0; k < bar.pieces.size(); ++k) {
      const auto& p = bar.pieces[k];
      if (p.piece < 0 || p.piece >= static_cast<int>(cut.size())) return false;
      if (p.length != request.pieces[p.piece].length) return false;
      ++cut[p.piece];
      used += p.length + (k > 0 ? request.kerf : 0);
    }
    if (used > bar.stockLength - 2 * request.trim + 1e-6) return false;
  }
  for (size_t i = 0; i < cut.size(); ++i) {
    if (cut[i] != request.pieces[i].quantity) return false;
  }
  return true;
}

}  // namespace zelvik::bench
