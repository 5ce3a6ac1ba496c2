#include "optimiser/task_optimiser.h"

#include "optimiser/path_solver.h"
#include "optimiser/result_assembly.h"
#include "optimiser/second_level_search.h"
#include "task/rounding.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace zep {

SolutionShape solution_shape(const SolverInput& in) {
    SolutionShape shape;
    shape.runs = in.header.thresholdCount;
    shape.opCounts.assign(in.opCounts.begin(), in.opCounts.end());
    shape.hasUnavailableResources = in.header.has_unavailable_resources();
    return shape;
}

bool discretised_is_cost(const SolverInput& in) {
    const int topLevelPaths = static_cast<int>(in.topPaths.size());
    return discretised_parameter(minimised_parameter(in.header), topLevelPaths) == DiscretisedParam::Cost;
}

bool second_level_mode(const SolverInput& in) {
    return second_level_mode(minimised_parameter(in.header), static_cast<int>(in.topPaths.size()));
}

namespace {

// The cost and time of level k of a subgraph that cannot keep within its time level: far above any
// scaled cost or time of a task, so that the enclosing path takes the level only when none of the
// others fits, and its total then shows it; finite, so that the arc values stay numbers.
constexpr double kInfeasibleLevel = 100000000;

// Serialises the reporter's calls when runs go side by side.
class Reports {
public:
    explicit Reports(RunReporter* r) : r_(r) {}
    void line(ReportLine n, const std::string& text) {
        if (!r_)
            return;
        std::lock_guard lock(m_);
        r_->report_line(n, text);
    }
    void error(const std::string& text) {
        if (!r_)
            return;
        std::lock_guard lock(m_);
        r_->error_line(text);
    }
    void cycle(const RunPosition& at, std::int32_t i) {
        if (!r_)
            return;
        std::lock_guard lock(m_);
        r_->cycle_progress(at, i);
    }

    // Once asked for, the stop holds for every run of the task.
    bool stopping() {
        if (stopped_ || !r_)
            return stopped_;
        std::lock_guard lock(m_);
        if (r_->stop_requested())
            stopped_ = true;
        return stopped_;
    }
    bool stopped() const { return stopped_; }

    void set_total(std::int64_t total) { total_ = total; }
    void advance(std::int64_t paths) {
        if (!r_ || paths <= 0)
            return;
        std::lock_guard lock(m_);
        done_ = std::min(total_, done_ + paths);
        r_->work_done(done_, total_);
    }
    void finish() {
        if (!r_)
            return;
        std::lock_guard lock(m_);
        done_ = total_;
        r_->work_done(done_, total_);
    }

private:
    RunReporter* r_;
    std::mutex m_;
    std::atomic<bool> stopped_{false};
    std::int64_t total_ = 0;
    std::int64_t done_ = 0;
};

// Counts the paths of one run as done, the ones left over included when the run ends early (but not
// when it was stopped).
class PathsCounted {
public:
    PathsCounted(Reports& reports, std::size_t paths) : reports_(reports), left_(paths) {}
    ~PathsCounted() {
        if (!reports_.stopped())
            reports_.advance(static_cast<std::int64_t>(left_));
    }
    void one_done() {
        --left_;
        reports_.advance(1);
    }

private:
    Reports& reports_;
    std::size_t left_;
};

class LineProgress : public PathProgress {
public:
    LineProgress(Reports& reports, const RunTexts& texts, const RunPosition& at)
        : reports_(reports), texts_(texts), at_(at) {}
    void phase_states(std::int64_t count) override {
        reports_.line(ReportLine::PhaseStates, report_line2(texts_, at_, count));
    }
    void initialised() override { reports_.line(ReportLine::Initialised, report_line3(texts_, at_)); }
    void cycle_done(std::int32_t cycle) override { reports_.cycle(at_, cycle); }

private:
    Reports& reports_;
    const RunTexts& texts_;
    RunPosition at_;
};

class Optimiser {
public:
    Optimiser(SolverInput in, const RunTexts& texts, const OptimiserOptions& options, RunReporter* reporter)
        : in_(std::move(in)), texts_(texts), options_(options), reports_(reporter),
          S_(static_cast<std::int32_t>(in_.subgraphPaths.size())), isCost_(discretised_is_cost(in_)),
          secondLevel_(second_level_mode(in_)) {
        result_.solution = empty_solution(solution_shape(in_));
    }

    TaskOptimisation run() {
        reports_.set_total(path_work());
        subgraphRuns_.resize(static_cast<std::size_t>(S_));
        unusableLevels_.resize(static_cast<std::size_t>(S_));
        for (std::int32_t s = 0; s < S_; ++s)
            solve_subgraph(s);
        if (secondLevel_)
            search_second_level();
        else
            solve_thresholds();
        reports_.finish();
        return std::move(result_);
    }

private:
    // Path optimisations of the whole task: every level of every subgraph, then every threshold run
    // (or the largest number of probes) of the whole graph.
    std::int64_t path_work() const {
        std::int64_t work = 0;
        for (std::int32_t s = 0; s < S_; ++s)
            work += static_cast<std::int64_t>(in_.subgraphs[static_cast<std::size_t>(s)].levelCount) *
                    static_cast<std::int64_t>(paths_of(s).size());
        const std::int64_t runs = secondLevel_ ? std::max<std::int64_t>(in_.header.secondLevelIterations, 4)
                                               : in_.header.thresholdCount;
        return work + runs * static_cast<std::int64_t>(in_.topPaths.size());
    }

    void throw_if_stopped() const {
        if (reports_.stopped())
            throw RunStopped();
    }

    const std::vector<SolverPath>& paths_of(std::int32_t s) const {
        return s < S_ ? in_.subgraphPaths[static_cast<std::size_t>(s)] : in_.topPaths;
    }

    // A message raised for run (or probe) k is kept in slot k when there is one; it always shows.
    void message(std::int32_t k, const std::string& text) {
        if (k >= 0 && static_cast<std::size_t>(k) < result_.solution.message.size())
            result_.solution.message[static_cast<std::size_t>(k)] = text;
        reports_.error(text);
    }

    PathProblem problem_of(std::int32_t s, std::size_t p, std::int32_t threshold) const {
        const SolverPath& path = paths_of(s)[p];
        const bool resources = s == S_ && in_.header.has_unavailable_resources();
        const bool timeIsWeight = s == S_ && isCost_;
        PathProblem problem;
        problem.threshold = threshold;
        problem.hasUnavailableResources = resources;
        problem.elements.resize(path.variants.size());
        for (std::size_t e = 0; e < path.variants.size(); ++e) {
            const auto& block = path.variants[e];
            auto& variants = problem.elements[e];
            variants.resize(block.size());
            for (std::size_t v = 0; v < block.size(); ++v) {
                variants[v].weight = timeIsWeight ? block[v].time : block[v].cost;
                variants[v].value = block[v].discretised;
                if (resources && p < in_.variantResources.size() && e < in_.variantResources[p].size() &&
                    v < in_.variantResources[p][e].size()) {
                    variants[v].resourceCategory = in_.variantResources[p][e][v].resourceCategory;
                    variants[v].noSuspend = in_.variantResources[p][e][v].noSuspend;
                }
            }
        }
        if (resources)
            for (const auto& category : in_.intervalTacts) {
                std::vector<AvailabilityInterval> intervals;
                for (auto [start, finish] : category)
                    intervals.push_back({start, finish});
                problem.intervals.push_back(std::move(intervals));
            }
        return problem;
    }

    // Where run k of (sub)graph s stands, for the progress lines; the path is set as the run goes.
    RunPosition run_position(std::int32_t s, std::int32_t k) const {
        RunPosition at;
        at.run = k;
        at.secondLevel = secondLevel_ && s == S_;
        at.runs = s < S_ ? in_.subgraphs[static_cast<std::size_t>(s)].levelCount : in_.header.thresholdCount;
        at.paths = static_cast<std::int32_t>(paths_of(s).size());
        at.subgraph = s;
        at.subgraphCount = S_;
        return at;
    }

    // After the last path of run k: the run total less the (sub)graph's base cost, shown in line 4.
    void close_run_total(std::int32_t s, std::int32_t k, std::int32_t T, const RunPosition& at,
                         RunRecord& run) {
        const double base =
            s < S_ ? in_.subgraphs[static_cast<std::size_t>(s)].costBase : in_.header.scaledBaseCostTotal;
        run.total -= base;
        if (s == S_)
            reports_.line(ReportLine::RunTotal,
                          report_line4_graph(texts_, k, in_.header.thresholdCount, in_.header.chainCount,
                                             isCost_, run.total, T * in_.header.scaledTact));
        else
            reports_.line(ReportLine::RunTotal, report_line4_subgraph(texts_, k, at.runs, s, S_));
    }

    // Run (s, k) under threshold T: every path in order until one fails.
    RunRecord run_paths(std::int32_t s, std::int32_t k, std::int32_t T, PathSolver& solver) {
        const auto& paths = paths_of(s);
        const std::string prefix = texts_.subgraph_prefix(s, S_);
        RunPosition at = run_position(s, k);

        RunRecord run;
        run.paths.resize(paths.size());
        PathsCounted counted(reports_, paths.size());
        for (std::size_t p = 0; p < paths.size(); ++p) {
            if (reports_.stopping())
                return run;
            at.path = static_cast<std::int32_t>(p);
            reports_.line(ReportLine::PhaseStates, "");
            reports_.line(ReportLine::Initialised, "");
            LineProgress progress(reports_, texts_, at);
            const PathResult& r = solver.solve(problem_of(s, p, T), options_.params, &progress);
            counted.one_done();
            run.maxPhaseStates = std::max(run.maxPhaseStates, r.phaseStates);
            if (r.converged)
                run.total += r.optimalValue;
            if (r.iterationCode != PathCode::Success) {
                run.failed = true;
                if (s == S_)
                    message(k, texts_.path_failed(k, at.path, prefix,
                                                  static_cast<std::int32_t>(r.iterationCode)));
                return run;
            }
            if (p + 1 == paths.size())
                close_run_total(s, k, T, at, run);
            PathRecord& record = run.paths[p];
            record.cycles = r.cycles;
            record.trace = r.trace;
            for (std::int32_t element : r.elementsWithoutVariant)
                message(k, texts_.no_admissible_variant(element, k));
            if (r.traceCode == PathCode::NoRoute) {
                run.traceBroken = true;
                message(k, texts_.trace_broken(k, at.path, prefix, r.brokenOption));
                return run;
            }
            reports_.line(ReportLine::PathDone, report_line5(texts_, at));
        }
        if (s == S_) {
            const std::int32_t p = first_path_choosing_unusable_level(s, run);
            if (p >= 0) {
                // The run keeps within T only through a level that has no plan behind it.
                run.choseUnusableLevel = true;
                message(k, texts_.path_failed(k, p, prefix,
                                              static_cast<std::int32_t>(PathCode::ExceedsUpperBound)));
                return run;
            }
        }
        run.complete = true;
        return run;
    }

    // The first path of (sub)graph s whose trace in `run` chose an unusable level of a subgraph; -1 when
    // none did.
    std::int32_t first_path_choosing_unusable_level(std::int32_t s, const RunRecord& run) const {
        const auto& paths = paths_of(s);
        for (std::size_t p = 0; p < paths.size() && p < run.paths.size(); ++p) {
            const auto& trace = run.paths[p].trace;
            for (std::size_t e = 0; e < trace.size() && e < paths[p].elements.size(); ++e) {
                const PathElement& el = paths[p].elements[e];
                if (el.op >= 0 || subgraph_index_of(el.op) >= S_)
                    continue;
                const auto& unusable = unusableLevels_[subgraph_index_of(el.op)];
                const std::int32_t level = trace[e].variant;
                if (level >= 1 && static_cast<std::size_t>(level) <= unusable.size() &&
                    unusable[static_cast<std::size_t>(level - 1)])
                    return static_cast<std::int32_t>(p);
            }
        }
        return -1;
    }

    void note_phase_states(const RunRecord& run) {
        result_.maxPhaseStates = std::max(result_.maxPhaseStates, run.maxPhaseStates);
    }

    // Every level of subgraph s, and its results into the blocks of the elements that refer to it.
    void solve_subgraph(std::int32_t s) {
        const auto su = static_cast<std::size_t>(s);
        const std::int32_t levels = in_.subgraphs[su].levelCount;
        for (std::int32_t k = 0; k < levels; ++k) {
            RunRecord run = run_paths(s, k, in_.timeLevels[su][static_cast<std::size_t>(k)], solver_);
            throw_if_stopped();
            note_phase_states(run);
            if (!run.traceBroken)
                fill_level(s, k, run);
            // A level has no plan behind it when its run failed, or when it stands on such a level of an
            // inner subgraph; choosing it cannot keep within a threshold.
            unusableLevels_[su].push_back(!run.complete || first_path_choosing_unusable_level(s, run) >= 0);
            subgraphRuns_[su].push_back(std::move(run));
        }
    }

    // Level k of subgraph s under its traced choices: the longest member path's time, and the cost
    // the run total stands for, the traced variants' costs of every member path less the base cost.
    // The run total itself is the paths' converged values, which approach that cost only to within
    // the stopping criterion.
    struct TracedLevel {
        double time = 0;
        double cost = 0;
    };

    TracedLevel traced_level(std::int32_t s, const RunRecord& run) const {
        const auto& paths = paths_of(s);
        TracedLevel level;
        for (std::size_t p = 0; p < paths.size(); ++p) {
            double time = 0;
            const auto& trace = run.paths[p].trace;
            for (std::size_t e = 0; e < trace.size() && e < paths[p].variants.size(); ++e) {
                const std::int32_t v = trace[e].variant;
                if (v >= 1 && static_cast<std::size_t>(v) <= paths[p].variants[e].size()) {
                    const VariantOut& chosen = paths[p].variants[e][static_cast<std::size_t>(v - 1)];
                    time += chosen.time;
                    level.cost += chosen.cost;
                }
            }
            if (p == 0 || time > level.time)
                level.time = time;
        }
        level.cost -=
            s < S_ ? in_.subgraphs[static_cast<std::size_t>(s)].costBase : in_.header.scaledBaseCostTotal;
        return level;
    }

    void fill_level(std::int32_t s, std::int32_t k, const RunRecord& run) {
        const auto su = static_cast<std::size_t>(s);
        const TracedLevel traced = run.failed ? TracedLevel{} : traced_level(s, run);
        const double time = traced.time;
        for (const SubgraphRef& ref : in_.subgraphRefs[su]) {
            auto& owner =
                ref.owner == S_ ? in_.topPaths : in_.subgraphPaths[static_cast<std::size_t>(ref.owner)];
            auto& block = owner[static_cast<std::size_t>(ref.pathIndex)]
                              .variants[static_cast<std::size_t>(ref.elementIndex)];
            if (static_cast<std::size_t>(k) >= block.size())
                continue;
            VariantOut& entry = block[static_cast<std::size_t>(k)];
            if (run.failed) {
                entry.cost = kInfeasibleLevel;
                entry.time = kInfeasibleLevel;
                continue;
            }
            entry.cost = run.total;
            entry.time = time;
            // The cost in tacts bounds the whole graph's path: it is that of the plan the level stands
            // for, or a plan above the cost threshold would pass for one within it.
            if (isCost_ && ref.owner == S_)
                entry.discretised =
                    round_to_steps(rounding_type(in_.header), in_.header.scaledTact, traced.cost);
            else
                entry.discretised =
                    round_to_steps(rounding_type(in_.header), in_.header.scaledLevelTact, time);
        }
    }

    unsigned thread_count(std::size_t runs) const {
        unsigned n =
            options_.threads == 0 ? std::max(1u, std::thread::hardware_concurrency()) : options_.threads;
        return static_cast<unsigned>(std::min<std::size_t>(n, runs));
    }

    void solve_thresholds() {
        const auto M = static_cast<std::size_t>(in_.header.thresholdCount);
        std::vector<RunRecord> runs(M);
        const unsigned threads = thread_count(M);
        if (threads <= 1) {
            for (std::size_t k = 0; k < M; ++k)
                runs[k] = run_paths(S_, static_cast<std::int32_t>(k), in_.thresholds[k], solver_);
        } else {
            // Each worker takes the next run; a run writes only its own record and message slot.
            std::atomic<std::size_t> next{0};
            auto work = [&] {
                PathSolver solver;
                for (std::size_t k; (k = next++) < M;)
                    runs[k] = run_paths(S_, static_cast<std::int32_t>(k), in_.thresholds[k], solver);
            };
            std::vector<std::jthread> pool;
            for (unsigned t = 0; t < threads; ++t)
                pool.emplace_back(work);
        }
        throw_if_stopped();
        for (std::size_t k = 0; k < M; ++k) {
            note_phase_states(runs[k]);
            if (runs[k].complete) {
                result_.solution.status[k] = static_cast<std::int32_t>(RunStatus::Solved);
                assemble_run(in_, subgraphRuns_, runs[k], k, result_.solution);
            }
        }
        result_.runsPerformed = static_cast<std::int32_t>(M);
    }

    void search_second_level() {
        const SolverHeader& h = in_.header;
        SecondLevelSearch search(in_.thresholds[0], in_.thresholds[1], h.thresholdStep,
                                 h.secondLevelIterations, h.scaledCostThreshold);
        RunRecord previous; // no choices until a probe is kept
        RunRecord result;
        RunStatus status = RunStatus::NotSolved;
        for (std::int32_t k = 0;; ++k) {
            RunRecord probe = run_paths(S_, k, search.current(), solver_);
            throw_if_stopped();
            note_phase_states(probe);
            const SecondLevelSearch::Decision d = search.after_probe(probe.total, probe.complete);
            if (d.step == SecondLevelSearch::Step::NextProbe) {
                if (d.keepAsPrevious)
                    previous = std::move(probe);
                continue;
            }
            if (d.step == SecondLevelSearch::Step::ResultThisProbe) {
                status = RunStatus::Solved;
                result = std::move(probe);
            } else if (d.step == SecondLevelSearch::Step::ResultPreviousProbe) {
                // Reached without a feasible probe from the fourth on (the walk up to T1): the previous
                // probe then exceeds the cost threshold too, or there is none.
                if (previous.complete && search.feasible(previous.total)) {
                    status = RunStatus::Solved;
                    result = std::move(previous);
                } else {
                    message(0, texts_.second_level_no_threshold());
                }
            } else {
                status = RunStatus::LimitUsedUp;
                message(0, texts_.second_level_used_up());
                result = std::move(probe);
            }
            break;
        }
        result_.runsPerformed = search.probes();
        if (!result_.solution.status.empty() && status != RunStatus::NotSolved) {
            result_.solution.status[0] = static_cast<std::int32_t>(status);
            assemble_run(in_, subgraphRuns_, result, 0, result_.solution);
        }
    }

    SolverInput in_;
    const RunTexts& texts_;
    OptimiserOptions options_;
    Reports reports_;
    std::int32_t S_;
    bool isCost_;
    bool secondLevel_;
    PathSolver solver_;
    std::vector<std::vector<RunRecord>> subgraphRuns_;
    std::vector<std::vector<bool>> unusableLevels_; // per subgraph and level
    TaskOptimisation result_;
};

} // namespace

TaskOptimisation optimise_task(const SolverInput& in, const RunTexts& texts, const OptimiserOptions& options,
                               RunReporter* reporter) {
    return Optimiser(in, texts, options, reporter).run();
}

} // namespace zep
