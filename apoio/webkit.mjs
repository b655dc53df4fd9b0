// WebKit (Safari's engine) as Debian ships it: WebKitGTK's MiniBrowser in
// automation mode, driven by WebKitWebDriver over classic W3C WebDriver
// (plain HTTP and JSON, here through fetch), on a private Xvfb. A driver
// runs one session, one browser: each session here has a driver of its own.
import { execFileSync, spawn } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, renameSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const DRIVER = '/usr/bin/WebKitWebDriver';
const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const ELEMENTO = 'element-6066-11e4-a52e-4f735466cecf';
// WebDriver's code points for the keys that are not characters.
const TECLAS = { Escape: '\uE00C', Enter: '\uE007', ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015' };
const BOTOES = { left: 0, middle: 1, right: 2 };

// A private X display: { display: ':N', fechar() }.
export async function abrir_xvfb() {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1600x1200x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const numero = await new Promise((pronto, falha) => {
    let lido = '';
    xvfb.stdio[3].on('data', (d) => { lido += d; if (lido.includes('\n')) pronto(lido.trim()); });
    xvfb.on('exit', () => falha(new Error('Xvfb did not start (Debian package xvfb)')));
  });
  return { display: ':' + numero, fechar: () => xvfb.kill() };
}

const porta_livre = () => new Promise((pronto) => {
  const s = createServer().listen(0, '127.0.0.1', () => { const { port } = s.address(); s.close(() => pronto(port)); });
});

// One WebDriver command: the value it answers, or an Error that says it.
async function pedir(base, metodo, caminho, corpo) {
  const resposta = await fetch(base + caminho, { method: metodo, headers: { 'Content-Type': 'application/json' },
    body: metodo === 'GET' ? undefined : JSON.stringify(corpo || {}) });
  const { value } = await resposta.json();
  if (!resposta.ok) throw new Error('WebDriver ' + caminho + ': ' + value.error + ': ' + value.message);
  return value;
}

// The environment of a program in language idioma (pt-BR): WebKitGTK gives
// its pages the C library's locale, which Debian's locales package defines
// and here is compiled once into a folder of our own, as a system may have
// none but C.
function localidade(idioma) {
  const nome = idioma.replace('-', '_') + '.UTF-8', pasta = join(tmpdir(), 'tabuleiro2-localidades');
  if (!existsSync(join(pasta, nome))) {
    if (!existsSync('/usr/share/i18n/locales/' + nome.slice(0, -6))) throw new Error('no locale ' + nome + ' (Debian package locales)');
    const nova = mkdtempSync(pasta + '-');
    execFileSync('localedef', ['-i', nome.slice(0, -6), '-f', 'UTF-8', join(nova, nome)]);
    mkdirSync(pasta, { recursive: true });
    try { renameSync(join(nova, nome), join(pasta, nome)); } catch (e) { /* another test's came first */ }
    rmSync(nova, { recursive: true, force: true });
  }
  return { LOCPATH: pasta, LANG: nome, LC_ALL: nome, LANGUAGE: '' };
}

// A new browser on display, its pages in language idioma: an object with
// the session's commands.
export async function abrir_sessao(display, idioma) {
  const porta = await porta_livre();
  const driver = spawn(DRIVER, ['--port=' + porta, '--host=127.0.0.1'], { stdio: 'ignore',
    env: { ...process.env, DISPLAY: display, ...localidade(idioma) } });
  const raiz = 'http://127.0.0.1:' + porta;
  for (let fim = Date.now() + 10000; !(await fetch(raiz + '/status').then((r) => r.ok, () => false));) {
    if (Date.now() > fim || driver.exitCode !== null) throw new Error('WebKitWebDriver did not start');
    await new Promise((r) => setTimeout(r, 50));
  }
  const { sessionId, capabilities } = await pedir(raiz, 'POST', '/session', { capabilities: { alwaysMatch: {
    'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] }, timeouts: { script: 120000 } } } });
  const base = raiz + '/session/' + sessionId;
  const comando = (metodo, caminho, corpo) => pedir(base, metodo, caminho, corpo);
  const acoes = (fonte) => comando('POST', '/actions', { actions: [fonte] });
  const teclas = (tipo, tecla) => acoes({ type: 'key', id: 'teclado', actions: [{ type: tipo, value: TECLAS[tecla] || tecla }] });
  const rato = (acao) => acoes({ type: 'pointer', id: 'rato', parameters: { pointerType: 'mouse' }, actions: [acao] });
  const elemento = async (seletor) => (await comando('POST', '/element', { using: 'css selector', value: seletor }))[ELEMENTO];
  return {
    versao: 'WebKitGTK ' + capabilities.browserVersion,
    comando,
    // fn's source run with args in the current page; a promise it gives, awaited.
    executar: async (fn, args) => {
      const r = await comando('POST', '/execute/async', { args, script: 'const fim = arguments[arguments.length - 1];' +
        'Promise.resolve().then(() => (' + fn + ')(...[].slice.call(arguments, 0, -1)))' +
        '.then((v) => fim({ v: v === undefined ? null : v }), (e) => fim({ e: String(e) }));' });
      if ('e' in r) throw new Error(r.e);
      return r.v;
    },
    tecla_abaixo: (tecla) => teclas('keyDown', tecla),
    tecla_acima: (tecla) => teclas('keyUp', tecla),
    mover: (x, y) => rato({ type: 'pointerMove', origin: 'viewport', x: Math.round(x), y: Math.round(y), duration: 0 }),
    pressionar: (botao) => rato({ type: 'pointerDown', button: BOTOES[botao] }),
    largar: (botao) => rato({ type: 'pointerUp', button: BOTOES[botao] }),
    clicar: async (seletor) => comando('POST', '/element/' + await elemento(seletor) + '/click'),
    escolher_arquivo: async (seletor, caminho) => comando('POST', '/element/' + await elemento(seletor) + '/value', { text: caminho }),
    fechar: async () => {
      await comando('DELETE', '').catch(() => {});
      driver.kill();
    },
  };
}
