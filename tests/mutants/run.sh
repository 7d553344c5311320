#!/usr/bin/env bash
# Applies each fault of a list, alone, to a scratch copy of the checkout,
# rebuilds, runs the suite and reports whether the suite fails (KILLED) or
# not (SURVIVED). A fault whose line is gone, after a rewrite of its file, is
# NOT APPLIED; a fault that does not compile is NOT BUILT.
#   run.sh LIST SCRATCH [NAME...]   only the named faults when names are given
# The copy is of the working tree, or of the commit MUTANTS_REVISION names
# (to count what an earlier suite killed).
# The suite is the release ctest without the two host builds, which install
# the library and take minutes while no fault changes what they check, and
# without the size stress tests (a million references, 10 MB texts, 100 000
# levels), which take minutes and check what smaller inputs check too.
set -u
list=$1
scratch=$2
shift 2
only=" $* "
top=$(git rev-parse --show-toplevel)
list=$(realpath "$list")
jobs=${JOBS:-2}
skipped='^(install_host|package_host|HostileInput\.(AMillion|HugeTexts).*|DeepTree\..*)$'

mkdir -p "$scratch/tree" "$scratch/log"
scratch=$(realpath "$scratch")
src=$scratch/tree
log=$scratch/log
# The build tree sits where make builds in a checkout, so that ccache finds
# what the checkout's build compiled. The copy is new to make: a build tree
# from an earlier run is rebuilt whole, from ccache mostly.
build=$src/build
find "$src" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
if [[ -n ${MUTANTS_REVISION:-} ]]; then
  git -C "$top" archive "$MUTANTS_REVISION" | tar -xmf - -C "$src"
else
  (cd "$top" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) | tar -xmf - -C "$src"
fi

export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache} CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$top")} \
       CCACHE_NOHASHDIR=1
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPython_EXECUTABLE="${PYTHON:-python3}" \
  > "$log/configure.log" 2>&1 || { echo "configure failed: $log/configure.log" >&2; exit 2; }

# The unit test binaries run first, each in one process, which is much
# quicker than ctest's process per test, and stop at their first failure;
# ctest runs the rest.
unitSkipped='HostileInput.AMillion*:HostileInput.HugeTexts*:DeepTree.*'
suite() {
  cmake --build "$build" -j"$jobs" > "$log/$1.build.log" 2>&1 || return 2
  rm -rf "$build/test-output" && mkdir -p "$build/test-output"
  : > "$log/$1.test.log"
  local binary
  for binary in tests/wjxml_tests tests/interchange/wjxml_interchange_tests tests/internal/wjxml_internal_tests; do
    (cd "$build/$(dirname "$binary")" &&
     timeout 900 "./$(basename "$binary")" --gtest_fail_fast --gtest_brief=1 --gtest_filter="-$unitSkipped") \
      >> "$log/$1.test.log" 2>&1 || return 1
  done
  (cd "$build" && ctest -j"$jobs" --stop-on-failure --timeout 300 -LE unit -E "$skipped") \
    >> "$log/$1.test.log" 2>&1 || return 1
}

echo "building and running the unchanged suite"
if ! suite unchanged; then
  echo "the unchanged suite fails: $log/unchanged.*.log" >&2
  exit 2
fi

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

killed=0 survived=0 unapplied=0 unbuilt=0
while IFS=$'\t' read -r name target original replacement; do
  [[ -z $name || $name == \#* ]] && continue
  [[ $only != "  " && $only != *" $name "* ]] && continue
  file=${target%@*}
  nth=1
  [[ $target == *@* ]] && nth=${target##*@}
  if [[ ! -f $src/$file ]] || ! cp -p "$src/$file" "$scratch/original" ||
     ! mutate "$src/$file" "$nth" "$original" "$replacement"; then
    verdict="NOT APPLIED"
    unapplied=$((unapplied + 1))
  else
    suite "$name"
    case $? in
      0) verdict=SURVIVED; survived=$((survived + 1)) ;;
      1) verdict=KILLED; killed=$((killed + 1)) ;;
      *) verdict="NOT BUILT"; unbuilt=$((unbuilt + 1)) ;;
    esac
    # The restored file must look newer than the objects built from the fault.
    cp "$scratch/original" "$src/$file"
    touch "$src/$file"
  fi
  printf '%-12s %s (%s)\n' "$verdict" "$name" "$target"
done < "$list"

echo
echo "killed $killed, survived $survived, not applied $unapplied, not built $unbuilt"
[[ $unbuilt == 0 ]]
