// The web page's figures, in headless Chromium on 127.0.0.1: the time from
// navigation to the first frame (median of seven cold loads), the median
// frame period over 100 frames, and the bytes the page loads, raw and gzipped.
// Usage: node pagina_web.mjs BUILD_WEB NODE_MODULES
import { gzipSync } from 'node:zlib';
import { abrir_chromium, servir } from '../tests/web/navegador.mjs';

const [pasta_web, modulos] = process.argv.slice(2);
const CARGAS = 7, QUADROS = 100;

const mediana = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

// Each frame's time, from the navigation's start, into window.instantes.
function anotar_quadros() {
  window.instantes = [];
  document.addEventListener('DOMContentLoaded', () => document.querySelector('canvas')
    .addEventListener('quadro', () => window.instantes.push(performance.now())));
}

// One cold load of the page: the first frame's time, the times of n
// frames, and each response's body.
async function carregar(navegador, endereco, n) {
  const pagina = await navegador.newPage();
  await pagina.setCacheEnabled(false);
  const respostas = [];
  pagina.on('response', (r) => respostas.push(r.buffer().catch(() => Buffer.alloc(0))));
  await pagina.evaluateOnNewDocument(anotar_quadros);
  await pagina.goto(endereco);
  await pagina.waitForFunction((k) => window.instantes.length >= k, { timeout: 60000, polling: 100 }, n);
  const instantes = await pagina.evaluate(() => window.instantes);
  await pagina.close();
  return { instantes, corpos: await Promise.all(respostas) };
}

const { servidor, endereco } = await servir(pasta_web);
const navegador = await abrir_chromium(modulos);
try {
  const primeiros = [];
  for (let i = 0; i < CARGAS; i++) primeiros.push((await carregar(navegador, endereco, 1)).instantes[0]);
  const { instantes, corpos } = await carregar(navegador, endereco, QUADROS + 1);
  const periodos = instantes.slice(1).map((t, i) => t - instantes[i]);
  const bruto = corpos.reduce((s, c) => s + c.length, 0);
  const gzip = corpos.reduce((s, c) => s + gzipSync(c, { level: 9 }).length, 0);
  console.log('navigation to first frame (median of %d): %s ms', CARGAS, mediana(primeiros).toFixed(1));
  console.log('frame period (median of %d): %s ms (min %s, max %s)', QUADROS, mediana(periodos).toFixed(2),
    Math.min(...periodos).toFixed(2), Math.max(...periodos).toFixed(2));
  console.log('bytes loaded: %d raw, %d gzipped, in %d responses', bruto, gzip, corpos.length);
} finally {
  await navegador.fechar();
  servidor.close();
}
