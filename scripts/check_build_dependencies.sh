#!/usr/bin/env bash
# Proves that scripts/install_dependencies.sh names every Debian package a build used, so
# that a bare system gets all of them: each header the compiler read (the ninja dependency
# log), each library the linker was given (-l flags resolved as the linker resolves them,
# and absolute paths) and each CMake package configuration found is mapped to the package
# that ships it, which must lie in the dependency closure of the install list.
# Usage: check_build_dependencies.sh [build directory, default build/test]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
[[ -f $build/build.ninja && -f $build/.ninja_deps ]] || { echo "no finished build in $build" >&2; exit 2; }

# The install list, both halves, as the script spells it.
mapfile -t listed < <(awk '/^ *packages\+?=\(/ {on=1; sub(/.*\(/, "")} on {line=$0; done=sub(/\).*/, "", line);
                            n=split(line, words, " "); for (i=1; i<=n; ++i) print words[i]; if (done) on=0}' \
                        scripts/install_dependencies.sh)
((${#listed[@]} > 0)) || { echo "no package list found in scripts/install_dependencies.sh" >&2; exit 2; }

# Everything those packages pull in, as apt would install it without recommendations.
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
            --no-replaces --no-enhances "${listed[@]}" |
          sed -E 's/^ *\|?[A-Za-z-]+: //; s/^ +//; s/[<>]//g; s/:any$//' | sort -u)

files=$(mktemp)
trap 'rm -f "$files" "$files.all"' EXIT
# Headers and other inputs of every compilation, outside the tree and the build.
ninja -C "$build" -t deps | awk '/^    \// {print $1}' | grep -E '^/usr/' >>"$files" || true
# Libraries handed to the linker.
cxx=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")
for token in $(grep -E '^ *(LINK_LIBRARIES|LINK_FLAGS) = ' "$build/build.ninja" | sed 's/^[^=]*= //' | tr ' ' '\n' | sort -u); do
  case $token in
    -l*) for suffix in so a; do
           found=$("$cxx" -print-file-name="lib${token#-l}.$suffix")
           if [[ $found == /* ]]; then realpath -s "$found" >>"$files"; break; fi
         done
         [[ $found == /* ]] || { echo "the linker finds no library for $token" >&2; exit 1; } ;;
    /usr/*) echo "$token" >>"$files" ;;
  esac
done
# The configuration files of the CMake packages found.
for dir in $(sed -n 's/^[A-Za-z0-9_]*_DIR:PATH=\(\/usr\/.*cmake.*\)$/\1/p' "$build/CMakeCache.txt"); do
  ls "$dir"/*onfig.cmake >>"$files" 2>/dev/null || true
done

# The owner of each file, in one query (a second one for merged-/usr spellings).
owner_lines() { xargs -r dpkg -S 2>/dev/null | grep -v '^diversion' || true; }
sort -u "$files" | xargs -r realpath -s | sort -u >"$files.all"
found=$(owner_lines <"$files.all")
unowned=$(comm -23 "$files.all" <(awk -F': ' '{print $NF}' <<<"$found" | sort -u))
if [[ -n $unowned ]]; then
  found+=$'\n'$(sed 's#^/usr##' <<<"$unowned" | owner_lines)
  unowned=$(comm -23 <(sed 's#^/usr##' <<<"$unowned" | sort -u) <(awk -F': ' '{print $NF}' <<<"$found" | sort -u))
fi
owners=$(awk -F': ' 'NF > 1 {print $1}' <<<"$found" | tr ', ' '\n\n' | sed 's/:.*//' | grep -v '^$' | sort -u)

missing=()
for package in $owners; do
  grep -qxF "$package" <<<"$closure" || missing+=("$package")
done
echo "build dependencies: $(wc -l <"$files.all") files from $(wc -w <<<"$owners") packages;" \
     "install list of ${#listed[@]} packages closes over $(wc -l <<<"$closure")"
echo "used:" $owners
if [[ -n $unowned ]]; then
  echo "files no package ships (installed by hand?):" >&2
  echo "$unowned" >&2
  exit 1
fi
if ((${#missing[@]} > 0)); then
  echo "packages the build used that scripts/install_dependencies.sh does not bring: ${missing[*]}" >&2
  exit 1
fi
