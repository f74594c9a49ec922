// The unit tests of the rules, the high-score table and the platform layer,
// each a page of its own, run in Chromium: the same files, code page and
// arithmetic as the game in the browser. Usage: unit_tests.js <build/tests>
'use strict';
const { serve, launch, fail } = require('./browser');

// A program's page: its module, run with its output on the console.
const unitPage = `<!doctype html><meta charset="utf-8"><script>
  const program = new URLSearchParams(location.search).get('program');
  const script = document.createElement('script');
  script.src = program + '.js';
  script.onload = () => createQtAppInstance({ print: console.log, printErr: console.log });
  document.head.append(script);
</script>`;

(async () => {
  const server = await serve(process.argv[2], { '/unit.html': unitPage });
  const browser = await launch();
  for (const program of ['game_tests', 'highscores_tests', 'platform_tests']) {
    const page = await browser.newPage();
    const lines = [];
    page.on('console', (message) => lines.push(message.text()));
    const finished = new Promise((resolve) => page.on('console', (message) => {
      if (/^\[  (PASSED|FAILED)  \]|tests? ran|Aborted/.test(message.text()))
        setTimeout(resolve, 500);
    }));
    await page.goto(`${server.url}unit.html?program=${program}`);
    await Promise.race([finished, new Promise((resolve) => setTimeout(resolve, 120000))]);
    const output = lines.join('\n');
    if (!/\[  PASSED  \]/.test(output) || /\[  FAILED  \]|Aborted/.test(output))
      fail(`${program} in Chromium:\n${output}`);
    console.log(`${program} in Chromium: ${output.match(/\[  PASSED  \].*/)[0]}`);
    await page.close();
  }
  await browser.close();
  server.close();
})().catch((error) => fail(error.stack));
