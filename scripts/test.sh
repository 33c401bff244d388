#!/usr/bin/env bash
# Every test suite: Linux, Linux under the sanitizers, the Windows build under
# Wine, the fuzzer for a minute, the end-to-end suite and the packages. Runs them
# all, reports each, and fails when any failed.
set -uo pipefail
cd "$(dirname "$0")/.."

steps=(test-linux test-asan test-windows test-fuzz test-e2e test-package)
failed=()
for step in "${steps[@]}"; do
  echo "=== make $step"
  if ! make --no-print-directory "$step"; then
    failed+=("$step")
  fi
done

echo "=== summary"
for step in "${steps[@]}"; do
  status=passed
  for f in "${failed[@]}"; do [ "$f" = "$step" ] && status=FAILED; done
  echo "$step: $status"
done
echo "$(( ${#steps[@]} - ${#failed[@]} )) passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
