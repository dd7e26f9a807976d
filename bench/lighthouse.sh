#!/usr/bin/env bash
# Lighthouse 12 (mobile and desktop) over the built page, served locally:
# prints the accessibility, best-practices and SEO scores and every audit of
# theirs that failed. Not part of the test command: it installs Lighthouse
# from npm into build/lighthouse the first time.
# Usage: bench/lighthouse.sh [SITE_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
site=${1:-build/web/site}
tools=build/lighthouse
if [ ! -x "$tools/node_modules/.bin/lighthouse" ]; then
    mkdir -p "$tools"
    (cd "$tools" && npm i -E --no-audit --no-fund lighthouse@12.2.3 >/dev/null)
fi
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 -m http.server --bind 127.0.0.1 -d "$site" "$port" >/dev/null 2>&1 &
server=$!
trap 'kill $server' EXIT
sleep 1
for form in mobile desktop; do
    preset=()
    [ $form = desktop ] && preset=(--preset=desktop)
    CHROME_PATH=/usr/bin/chromium "$tools/node_modules/.bin/lighthouse" "http://127.0.0.1:$port/" \
        "${preset[@]}" --only-categories=accessibility,best-practices,seo --output=json --quiet \
        --output-path="$tools/$form.json" \
        --chrome-flags="--headless=new --no-sandbox --disable-gpu --no-first-run --disable-background-networking"
    node -e '
        const report = require(process.argv[1]);
        const line = Object.values(report.categories).map(c => `${c.title} ${Math.round(c.score * 100)}`);
        console.log(process.argv[2] + ": " + line.join(", "));
        for (const category of Object.values(report.categories))
            for (const ref of category.auditRefs) {
                const audit = report.audits[ref.id];
                if (ref.weight > 0 && audit.score !== null && audit.score < 1)
                    console.log(`  failed: ${audit.id}: ${audit.title}`);
            }' "$PWD/$tools/$form.json" $form
done
