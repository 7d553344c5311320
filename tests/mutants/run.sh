#!/usr/bin/env bash
# Applies each fault of a list, alone, to a scratch copy of the checkout,
# rebuilds, runs the suite and reports whether the suite fails (KILLED) or
# not (SURVIVED). A fault whose line is gone, after a rewrite of its file, is
# NOT APPLIED; a fault that does not compile is NOT BUILT.
#   run.sh LIST SCRATCH [NAME...]   only the named faults when names are given
# The copy is of the working tree; MUTANTS_IN_PLACE=1 mutates the checkout
# itself instead, and builds in its build/ (each line is restored before the
# next fault; nothing may be edited meanwhile). With MUTANTS_BEFORE=<commit>,
# the suite of that commit runs on each fault too, in a copy, and its verdict
# comes first: what an earlier suite killed against what this one kills.
#
# The suite is the release ctest without the two host builds, which install
# the library and take minutes while no fault changes what they check, and
# without the size stress tests (a million references, 10 MB texts, 100 000
# levels), which take minutes and check what smaller inputs check too.
set -u
list=$(realpath "$1")
scratch=$2
shift 2
only=" $* "
top=$(git rev-parse --show-toplevel)
jobs=${JOBS:-2}
skipped='^(install_host|package_host|HostileInput\.(AMillion|HugeTexts).*|SaveFailure\.ADesignLargerThanARead.*|DeepTree\..*)$'
unitSkipped='HostileInput.AMillion*:HostileInput.HugeTexts*:SaveFailure.ADesignLargerThanARead*:DeepTree.*'

mkdir -p "$scratch/log"
scratch=$(realpath "$scratch")
log=$scratch/log
here=$scratch/tree
[[ -n ${MUTANTS_IN_PLACE:-} ]] && here=$top
trees=("$here")
[[ -n ${MUTANTS_BEFORE:-} ]] && trees=("$scratch/before/tree" "$here")

export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache} CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$top")} \
       CCACHE_NOHASHDIR=1

# Each build tree sits where make builds in a checkout, so that ccache finds
# what another copy compiled. A copy is new to make: a build tree from an
# earlier run is rebuilt whole, from ccache mostly.
for src in "${trees[@]}"; do
  # A copy of the same earlier commit is kept, with its build.
  revision=""
  [[ $src == */before/tree ]] && revision=$(git -C "$top" rev-parse "$MUTANTS_BEFORE")
  if [[ $src != "$top" && ( -z $revision || $(cat "$src/.revision" 2>/dev/null) != "$revision" ) ]]; then
    mkdir -p "$src"
    find "$src" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
    if [[ -n $revision ]]; then
      git -C "$top" archive "$revision" | tar -xmf - -C "$src"
      echo "$revision" > "$src/.revision"
    else
      (cd "$top" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) | tar -xmf - -C "$src"
    fi
  fi
  cmake -S "$src" -B "$src/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPython_EXECUTABLE="${PYTHON:-python3}" \
    >> "$log/configure.log" 2>&1 || { echo "configure failed: $log/configure.log" >&2; exit 2; }
done

label() {
  [[ $1 == */before/tree ]] && echo before || echo this
}

# What a fault in the file needs rebuilt. The programs and tests load the
# two shared libraries, so a fault in them needs only the library (and the
# internal tests, which link the model's objects).
targetsFor() {
  case $1 in
    binding/* | model/* | components/* | footprints/* | partmap/* | flowreader/*)
      echo "--target wjxmlinterfaceflowreader wjxml_internal_tests" ;;
    interchange/*) echo "--target wjxmlinterchange" ;;
    kicad/*) echo "--target ifx wjxml_kicad_tests" ;;
    tools/*) echo "--target ifx wjxml_tests" ;;
  esac
}

# Builds and runs one copy's suite. The unit test binaries run first, each in
# one process, which is much quicker than ctest's process per test, and stop
# at their first failure; ctest runs the rest.
suite() {
  local build=$1/build name=$2 targets=$3 binary
  # shellcheck disable=SC2086
  cmake --build "$build" -j"$jobs" $targets > "$log/$name.build.log" 2>&1 || return 2
  rm -rf "$build/test-output" && mkdir -p "$build/test-output"
  : > "$log/$name.test.log"
  for binary in tests/wjxml_tests interchange/tests/wjxml_interchange_tests kicad/tests/wjxml_kicad_tests \
                tests/internal/wjxml_internal_tests; do
    (cd "$build/$(dirname "$binary")" &&
     timeout 900 "./$(basename "$binary")" --gtest_fail_fast --gtest_brief=1 --gtest_filter="-$unitSkipped") \
      >> "$log/$name.test.log" 2>&1 || return 1
  done
  (cd "$build" && ctest -j"$jobs" --stop-on-failure --timeout 300 -LE unit -E "$skipped") \
    >> "$log/$name.test.log" 2>&1 || return 1
}

echo "building and running the unchanged suite"
for src in "${trees[@]}"; do
  if ! suite "$src" "unchanged-$(label "$src")" ""; then
    echo "the unchanged suite fails in $src: $log/unchanged-*.log" >&2
    exit 2
  fi
done

# Replaces the Nth line (1 by default) whose text, indentation aside, is
# ORIGINAL; the replacement keeps the indentation. Exit 1: no such line.
mutate() {
  local file=$1 nth=$2
  ORIGINAL=$3 REPLACEMENT=$4 NTH=$nth awk '
    { text = $0; sub(/^[ \t]+/, "", text); sub(/[ \t]+$/, "", text) }
    !done && text == ENVIRON["ORIGINAL"] && ++seen == ENVIRON["NTH"] {
      match($0, /^[ \t]*/); print substr($0, 1, RLENGTH) ENVIRON["REPLACEMENT"]; done = 1; next
    }
    { print }
    END { exit done ? 0 : 1 }' "$file" > "$file.mutant" || { rm -f "$file.mutant"; return 1; }
  mv "$file.mutant" "$file"
}

# The verdict of one copy's suite on one fault; runs in a subshell.
verdictIn() {
  local src=$1 name=$2 file=$3 nth=$4 original=$5 replacement=$6 verdict
  if [[ ! -f $src/$file ]] || ! cp -p "$src/$file" "$scratch/original" ||
     ! mutate "$src/$file" "$nth" "$original" "$replacement"; then
    echo "NOT APPLIED"
    return
  fi
  # The line comes back however this ends, newer than the objects built from
  # the fault.
  trap "cp '$scratch/original' '$src/$file'; touch '$src/$file'" EXIT
  trap 'exit 130' INT TERM
  suite "$src" "$name-$(label "$src")" "$(targetsFor "$file")"
  case $? in
    0) verdict=SURVIVED ;;
    1) verdict=KILLED ;;
    *) verdict="NOT BUILT" ;;
  esac
  echo "$verdict"
}

declare -A total
while IFS=$'\t' read -r name target original replacement; do
  [[ -z $name || $name == \#* ]] && continue
  [[ $only != "  " && $only != *" $name "* ]] && continue
  file=${target%@*}
  nth=1
  [[ $target == *@* ]] && nth=${target##*@}
  line=""
  for src in "${trees[@]}"; do
    verdict=$(verdictIn "$src" "$name" "$file" "$nth" "$original" "$replacement")
    total[$src $verdict]=$((${total[$src $verdict]:-0} + 1))
    line+=$(printf '%-12s ' "$verdict")
  done
  echo "$line$name ($target)"
done < "$list"

# The last faults' builds are stale: rebuild, so that each build matches its
# sources again.
for src in "${trees[@]}"; do
  cmake --build "$src/build" -j"$jobs" >> "$log/rebuild.log" 2>&1
done

echo
for src in "${trees[@]}"; do
  what=$([[ $(label "$src") == before ]] && echo "before ($MUTANTS_BEFORE)" || echo "this suite")
  echo "$what: killed ${total[$src KILLED]:-0}, survived ${total[$src SURVIVED]:-0}," \
       "not applied ${total[$src NOT APPLIED]:-0}, not built ${total[$src NOT BUILT]:-0}"
done
